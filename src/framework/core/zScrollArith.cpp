#include "framework/core/zScrollArith.h"

namespace {

int32_t atLeastOne(int32_t n) { return n == 0 ? 1 : n; }

// Sets the position the way zScrollInfo::setPos does (clamped to the range).
int32_t clampTo(const zScrollState& s, int32_t n) {
  if (n > s.high) n = s.high;
  if (n < s.low) n = s.low;
  return n;
}

zKeyScroll act(zKeyScrollAction action, int32_t newPos) {
  zKeyScroll k;
  k.action = action;
  k.newPos = newPos;
  return k;
}

}  // namespace

zKeyScroll zDecideKeyScroll(uint32_t key, bool ctrl, const zScrollState* vert, const zScrollState* horz) {
  const bool vertKey =
      (!ctrl && (key == zKeyPageUp || key == zKeyPageDown)) || (ctrl && (key == zKeyHome || key == zKeyEnd));
  const bool horzKey = ctrl && (key == zKeyPageUp || key == zKeyPageDown);
  if (vertKey) {
    if (!vert || vert->emptyRange()) return zKeyScroll();
    const zScrollState& v = *vert;
    switch (key) {
      case zKeyPageUp:
        if (v.pos == v.low) return zKeyScroll();
        if (v.pos < v.low + v.pageStep) return act(zKeyScrollVertTop, v.low);
        return act(zKeyScrollVertPage, clampTo(v, v.pos - v.pageStep));
      case zKeyPageDown:
        if (v.pos == v.high) return zKeyScroll();
        if (v.high - v.pageStep < v.pos) return act(zKeyScrollVertBottom, v.high);
        return act(zKeyScrollVertPage, clampTo(v, v.pos + v.pageStep));
      case zKeyEnd:
        if (v.pos == v.high) return zKeyScroll();
        return act(zKeyScrollVertBottom, v.high);
      default:  // Home
        if (v.pos == v.low) return zKeyScroll();
        return act(zKeyScrollVertTop, v.low);
    }
  }
  if (horzKey) {
    if (!horz || horz->emptyRange()) return zKeyScroll();
    const zScrollState& h = *horz;
    if (key == zKeyPageUp) {
      if (h.pos < h.low + h.pageStep) return act(zKeyScrollHorzLeft, h.low);
      return act(zKeyScrollHorzPage, clampTo(h, h.pos - h.pageStep));
    }
    if (h.high - h.pageStep < h.pos) return act(zKeyScrollHorzRight, h.high);
    return act(zKeyScrollHorzPage, clampTo(h, h.pos + h.pageStep));
  }
  return zKeyScroll();
}

zScrollMove zLineMove(const zScrollState& s, int32_t lineSize) {
  zScrollMove m;
  lineSize = atLeastOne(lineSize);
  if (s.pos > s.prevPos) {
    if (s.pos <= s.high && s.prevPos < s.high) {
      m.kind = zScrollMoveBy;
      m.pixels = -lineSize;
    } else {
      m.kind = zScrollMoveToHigh;
    }
  } else if (s.pos < s.prevPos) {
    if (s.pos < s.low || s.prevPos < 1) {
      m.kind = zScrollMoveToLow;
    } else {
      m.kind = zScrollMoveBy;
      m.pixels = lineSize;
    }
  }
  return m;
}

zScrollMove zPageMove(const zScrollState& s, int32_t pageSize) {
  zScrollMove m;
  if (s.pos < s.prevPos) {
    if (s.pageStep == s.prevPos - s.pos && s.low < s.prevPos) {
      m.kind = zScrollMoveBy;
      m.pixels = pageSize;
    } else {
      m.kind = zScrollMoveToLow;
    }
  } else if (s.pos > s.prevPos) {
    if (s.pageStep == s.pos - s.prevPos && s.prevPos < s.high) {
      m.kind = zScrollMoveBy;
      m.pixels = -pageSize;
    } else {
      m.kind = zScrollMoveToHigh;
    }
  }
  return m;
}

int32_t zToLowPixels(const zScrollState& s, int32_t lineSize) { return atLeastOne(lineSize) * (s.prevPos - s.low); }

int32_t zToHighPixels(const zScrollState& s, int32_t lineSize) {
  return -(atLeastOne(lineSize) * (s.high - s.prevPos));
}

int32_t zThumbPixels(const zScrollState& s, int32_t lineSize) { return atLeastOne(lineSize) * (s.prevPos - s.pos); }

int32_t zOriginOfPos(int32_t pos, int32_t barLineStep, int32_t lineSize) {
  return (pos / atLeastOne(barLineStep)) * atLeastOne(lineSize);
}

int32_t zRangeHighFor(int32_t contents, int32_t client, int32_t lineSize) {
  if (contents <= client) return 0;
  const int64_t over = static_cast<int64_t>(contents) - client;
  int64_t line = atLeastOne(lineSize);
  if (line < 0) line = -line;
  return static_cast<int32_t>((over + line - 1) / line);
}

int32_t zScaledPos(int32_t pos, int32_t low, int32_t oldHigh, int32_t newHigh) {
  int64_t scaled = pos;
  if (oldHigh != 0) scaled = static_cast<int64_t>(pos) * newHigh / oldHigh;
  if (scaled > newHigh) scaled = newHigh;
  if (scaled < low) scaled = low;
  return static_cast<int32_t>(scaled);
}

int32_t zDefaultPageSize(bool hasBar, int32_t barPageStep, int32_t barLineStep, int32_t lineSize) {
  if (hasBar && barLineStep != 0) return (barPageStep / barLineStep) * atLeastOne(lineSize);
  return 10;
}
