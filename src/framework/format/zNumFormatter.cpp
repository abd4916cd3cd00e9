#include "framework/format/zNumFormatter.h"

#include <cstring>

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

// ---------------------------------------------------------------- construction

zNumFormatter::zNumFormatter(uint32_t flags, const char* pattern, zIntlContext* context)
    : zFormatter(flags),
      context_(context ? context : zIntlContext::shared()),
      ownsContext_(context != nullptr),
      entryMode_(3),
      leadFill_(0),
      trailFill_(0),
      decimal_('.'),
      thousands_(','),
      decimalIndex_(0),
      intPositions_(0),
      fracPositions_(0),
      patternErrorAt_(-1),
      digitEntered_(false),
      hasPoint_(false),
      hasLeadFill_(false),
      hasTrailFill_(false),
      currency_(false),
      grouping_(false),
      signAllowed_(false),
      negative_(false),
      negFormAllowed_(false),
      posFormShown_(false) {
  parse(pattern ? pattern : "");
}

zNumFormatter::~zNumFormatter() {
  if (ownsContext_) delete context_;
}

void zNumFormatter::parse(const char* p) {
  const int32_t n = static_cast<int32_t>(std::strlen(p));
  int32_t i = 0;
  auto fail = [&](int32_t at) { patternErrorAt_ = at; };
  // Header.
  bool ok = true;
  while (ok && i < n && p[i] != '#' && p[i] != '0' && p[i] != '[') {
    const char c = p[i];
    switch (c) {
      case '$':
        currency_ = signAllowed_ = negFormAllowed_ = posFormShown_ = true;
        ++i;
        break;
      case '+':
        signAllowed_ = negFormAllowed_ = posFormShown_ = true;
        ++i;
        break;
      case '-':
        signAllowed_ = negFormAllowed_ = true;
        ++i;
        break;
      case 'F':
        grouping_ = true;
        ++i;
        break;
      case 'L':
      case 'T': {
        bool lead = c == 'L', trail = c == 'T';
        int32_t j = i + 1;
        if (j < n && ((c == 'L' && p[j] == 'T') || (c == 'T' && p[j] == 'L'))) {
          lead = trail = true;
          ++j;
        }
        if (j >= n || (p[j] >= '1' && p[j] <= '9')) {
          fail(j);
          ok = false;
          break;
        }
        if (lead) hasLeadFill_ = true, leadFill_ = p[j];
        if (trail) hasTrailFill_ = true, trailFill_ = p[j];
        i = j + 1;
        break;
      }
      case 'R':
        if (i + 1 < n && p[i + 1] >= '1' && p[i + 1] <= '3') {
          entryMode_ = p[i + 1] == '3' ? 0 : p[i + 1] - '0';
          i += 2;
        } else {
          fail(i + 1);
          ok = false;
        }
        break;
      case ' ':
        ++i;
        break;
      default:
        fail(i);
        ok = false;
        break;
    }
  }
  if (flags_ & zFmtPlaceholders) {
    leadFill_ = trailFill_ = '#';
    hasLeadFill_ = hasTrailFill_ = true;
    grouping_ = false;
  }
  // Body.
  bool fraction = false;
  auto digitFill = [&](char kindChar) -> char {
    if (kindChar == '0') return '0';
    if (!fraction && hasLeadFill_) return leadFill_;
    if (fraction && hasTrailFill_) return trailFill_;
    return ' ';
  };
  while (ok && i < n) {
    if (static_cast<int32_t>(elements_.size()) >= maxElements) {
      fail(i);
      break;
    }
    const char c = p[i];
    Element e{0, '0', '9', ' '};
    if (c == '#' || c == '0') {
      e.fill = digitFill(c);
      ++i;
    } else if (c == ',') {
      e = Element{2, '0', '0', ' '};
      ++i;
    } else if (c == '.') {
      e = Element{1, '0', '0', ' '};
      decimalIndex_ = static_cast<int32_t>(elements_.size());
      hasPoint_ = true;
      fraction = true;
      ++i;
    } else if (c == '[' && i + 4 < n && isDigit(p[i + 1]) && isDigit(p[i + 3]) && p[i + 3] >= p[i + 1] &&
               p[i + 4] == ']') {
      e = Element{0, p[i + 1], p[i + 3], digitFill('#')};
      i += 5;
    } else if (c == '[' && i + 3 < n && p[i + 1] == '!' && isDigit(p[i + 2]) && p[i + 3] == ']') {
      e = Element{3, p[i + 2], p[i + 2], digitFill('#')};
      i += 4;
    } else {
      fail(i);
      break;
    }
    elements_.push_back(e);
  }
  if (!hasPoint_) decimalIndex_ = static_cast<int32_t>(elements_.size());
  for (int32_t k = 0; k < static_cast<int32_t>(elements_.size()); ++k) {
    const uint8_t kind = elements_[k].kind;
    if (kind != 0 && kind != 3) continue;
    if (k < decimalIndex_)
      ++intPositions_;
    else
      ++fracPositions_;
  }
  decimal_ = currency_ ? context_->currencyDecimal() : context_->decimal();
  thousands_ = currency_ ? context_->currencyThousands() : context_->thousands();
}

// ---------------------------------------------------------------- core and display

void zNumFormatter::Core::split(const std::string& s) {
  const size_t dot = s.find('.');
  point = dot != std::string::npos;
  ints = point ? s.substr(0, dot) : s;
  frac = point ? s.substr(dot + 1) : std::string();
}

bool zNumFormatter::strip(const std::string& text, int32_t lo, int32_t hi, Core& core, int32_t& clo, int32_t& chi,
                          std::vector<int32_t>* at) const {
  bool negative = false;
  if (signAllowed_) {
    const char* neg = context_->negativeSign();
    if (text.find('(') != std::string::npos) negative = true;
    if (currency_ && neg[0] && text.find(neg) != std::string::npos) negative = true;
    if (!currency_ && text.find('-') != std::string::npos) negative = true;
  }
  // A currency symbol may hold digits or the separators: its characters are no part of
  // the number.
  std::vector<bool> skip(text.size(), false);
  if (currency_) {
    const char* cur = context_->currency();
    const size_t len = std::strlen(cur);
    if (len) {
      const size_t first = text.find(cur);
      if (first != std::string::npos)
        for (size_t k = first; k < first + len; ++k) skip[k] = true;
    }
  }
  // Both ends of the selection move left by the characters taken out before them.
  std::string s;
  bool seenPoint = false;
  const int32_t n = static_cast<int32_t>(text.size());
  clo = chi = -1;
  for (int32_t k = 0; k < n; ++k) {
    if (k == lo) clo = static_cast<int32_t>(s.size());
    if (k == hi) chi = static_cast<int32_t>(s.size());
    const char c = text[k];
    if (skip[k]) continue;
    if (isDigit(c)) {
      s += c;
    } else if (hasPoint_ && c == decimal_ && !seenPoint) {
      s += '.';
      seenPoint = true;
    } else {
      continue;
    }
    if (at) at->push_back(k);
  }
  if (clo < 0) clo = static_cast<int32_t>(s.size());
  if (chi < 0) chi = static_cast<int32_t>(s.size());
  if (hasPoint_ && !seenPoint) {
    // The point was not shown: it goes after the digits.
    s += '.';
    if (at) at->push_back(static_cast<int32_t>(text.size()));
  }
  core.split(s);
  return negative;
}

void zNumFormatter::decorate(std::string& prefix, std::string& suffix, bool negative) const {
  if (!signAllowed_) negative = false;
  if (!currency_) {
    if (negative && negFormAllowed_)
      prefix = "-";
    else if (!negative && posFormShown_)
      prefix = "+";
    return;
  }
  const char* cur = context_->currency();
  const bool before = negative ? context_->negCurrencyBefore() : context_->posCurrencyBefore();
  const bool blank = negative ? context_->negCurrencySpace() : context_->posCurrencySpace();
  const std::string gap = blank ? " " : "";
  if (before)
    prefix = cur + gap;
  else
    suffix = gap + cur;
  const bool showSign = negative ? negFormAllowed_ : posFormShown_;
  if (!showSign) return;
  const std::string sign = negative ? context_->negativeSign() : context_->positiveSign();
  char form = negative ? context_->negSignForm() : context_->posSignForm();
  if (form < '0' || form > '4') form = '1';
  switch (form) {
    case '0':
      prefix = "(" + prefix;
      suffix += ")";
      break;
    case '1':
      prefix = sign + prefix;
      break;
    case '2':
      suffix += sign;
      break;
    case '3':
      if (before)
        suffix += sign;
      else
        suffix = sign + cur;
      break;
    case '4':
      if (before)
        prefix = cur + sign;
      else
        prefix = sign + prefix;
      break;
  }
}

zNumFormatter::Rendered zNumFormatter::render(const Core& core, bool negative) const {
  // The integer part right to left against the integer elements: digits take characters,
  // separator elements put the thousands separator between them; fills pad the positions
  // the digits do not reach.
  struct Cell {
    char c;
    int32_t core;
  };
  std::vector<Cell> digits;
  const int32_t len = static_cast<int32_t>(core.ints.size());
  int32_t digitElements = 0;
  for (int32_t e = 0; e < decimalIndex_; ++e)
    if (elements_[e].kind == 0 || elements_[e].kind == 3) ++digitElements;
  // Fills of the unreached positions, in element order.
  int32_t unreached = digitElements - len;
  for (int32_t e = 0; e < decimalIndex_ && unreached > 0; ++e) {
    if (elements_[e].kind != 0 && elements_[e].kind != 3) continue;
    --unreached;
    if (elements_[e].fill != ' ') digits.push_back(Cell{elements_[e].fill, -1});
  }
  for (int32_t k = 0; k < len; ++k) digits.push_back(Cell{core.ints[k], k});
  std::vector<Cell> ints;
  int32_t ci = static_cast<int32_t>(digits.size()) - 1;
  int32_t e = decimalIndex_ - 1;
  while (ci >= 0 && e >= 0) {
    if (elements_[e].kind == 2) {
      // Digits are always grouped; fill characters only with grouping on.
      if (grouping_ || digits[ci].core >= 0) ints.push_back(Cell{thousands_, -1});
      --e;
      continue;
    }
    if (elements_[e].kind == 1) {
      --e;
      continue;
    }
    ints.push_back(digits[ci--]);
    --e;
  }
  while (ci >= 0) ints.push_back(digits[ci--]);
  std::vector<Cell> body(ints.rbegin(), ints.rend());
  if (body.empty() && (core.point || core.ints.empty())) body.push_back(Cell{'0', -1});
  if (core.point) {
    body.push_back(Cell{decimal_, len});
    const int32_t flen = static_cast<int32_t>(core.frac.size());
    for (int32_t k = 0; k < flen; ++k) body.push_back(Cell{core.frac[k], len + 1 + k});
    int32_t seen = 0;
    bool padded = false;
    for (int32_t k = decimalIndex_ + 1; k < static_cast<int32_t>(elements_.size()); ++k) {
      if (elements_[k].kind != 0 && elements_[k].kind != 3) continue;
      if (seen++ < flen) continue;
      if (elements_[k].fill != ' ') {
        body.push_back(Cell{elements_[k].fill, -1});
        padded = true;
      }
    }
    if (flen == 0 && !padded) body.push_back(Cell{'0', -1});
  }
  std::string prefix, suffix;
  decorate(prefix, suffix, negative);
  Rendered r;
  r.text = prefix;
  r.at.assign(core.joined().size(), 0);
  r.intEnd = static_cast<int32_t>(prefix.size());
  for (const Cell& cell : body) {
    if (cell.core >= 0) r.at[cell.core] = static_cast<int32_t>(r.text.size());
    if (cell.c == decimal_ && cell.core == len && core.point) r.intEnd = static_cast<int32_t>(r.text.size());
    r.text += cell.c;
  }
  if (!core.point) r.intEnd = static_cast<int32_t>(r.text.size());
  r.text += suffix;
  return r;
}

// A caret stays just after the core character before it, so that it sits left of a group
// separator that follows; at the start it goes before the first core character.
int32_t zNumFormatter::displayCaret(const Rendered& r, const Core& core, int32_t caret) const {
  const int32_t n = static_cast<int32_t>(r.at.size());
  if (caret > n) caret = n;
  if (caret > 0) return r.at[caret - 1] + 1;
  if (n > 0) return r.at[0];
  (void)core;
  return r.intEnd;
}

bool zNumFormatter::accepts(const Element& e, char c) const {
  if (e.kind == 0) return c >= e.low && c <= e.high;
  if (e.kind == 3) return isDigit(c) && c != e.low;
  return false;
}

// ---------------------------------------------------------------- edit

int zNumFormatter::edit(FLCString& text, const char* input, int count, zRange& sel) {
  if (!input) input = "";
  std::string t(text.data(), text.length());
  int32_t lo = sel.low(), hi = sel.high();
  int result;
  if (count >= 2 && input[0] == decimal_ && hasPoint_) {
    // A pasted fraction: the separator, then each further character.
    const int32_t n = static_cast<int32_t>(std::strlen(input));
    result = editOne(t, input, 1, lo, hi);
    for (int32_t k = 1; k < n && k < count; ++k) result = editOne(t, input + k, 1, lo, hi);
  } else {
    result = editOne(t, input, count, lo, hi);
  }
  text = FLCString(t.data(), static_cast<uint32_t>(t.size()));
  sel = zRange(lo, hi);
  return result;
}

int zNumFormatter::editOne(std::string& t, const char* input, int count, int32_t& lo, int32_t& hi) {
  const int32_t tlen = static_cast<int32_t>(t.size());
  if (lo < 0) lo = 0;
  if (hi < lo) hi = lo;
  if (lo > tlen) lo = tlen;
  if (hi > tlen) hi = tlen;
  if (t.empty()) {
    t = render(Core{std::string(), hasPoint_, std::string()}, false).text;
    lo = hi = 0;
  }
  Core core;
  int32_t clo = 0, chi = 0;
  negative_ = strip(t, lo, hi, core, clo, chi, nullptr);
  std::string s = core.joined();
  const int32_t point = core.point ? static_cast<int32_t>(core.ints.size()) : static_cast<int32_t>(s.size());
  const bool backspace = input[0] == '\b' && count == 1;
  const bool del = input[0] == '\b' && count == 2;
  const int32_t inputLen = input[0] == '\b' ? 1 : static_cast<int32_t>(strnlen(input, count > 0 ? count : 0));
  int32_t caret = clo;
  auto finish = [&](const std::string& joined, int32_t c, bool neg) {
    Core out;
    out.split(joined);
    if (hasPoint_) out.point = true;
    const Rendered r = render(out, neg);
    t = r.text;
    int32_t d = displayCaret(r, out, c);
    if (d < 0) d = 0;
    if (d > static_cast<int32_t>(t.size())) d = static_cast<int32_t>(t.size());
    lo = hi = d;
    return zEditReplaced;
  };

  // Entry modes lock parts of the value once a digit has been entered.
  if (entryMode_ != 3 && clo == chi && input[0] == decimal_ && hasPoint_) return finish(s, point + 1, negative_);
  if (digitEntered_ && entryMode_ != 3) {
    if (entryMode_ == 0) return finish(s, clo, negative_);
    if (entryMode_ == 1) {
      if ((clo == chi && clo <= point) || (backspace && clo == chi && clo == point + 1))
        return finish(s, clo, negative_);
      if (clo <= point) clo = point + 1;
      if (chi < clo) chi = clo;
    } else if (entryMode_ == 2) {
      if ((clo == chi && clo > point) || (del && clo == chi && clo == point)) return finish(s, clo, negative_);
      if (chi > point) chi = point;
      if (clo > chi) clo = chi;
    }
    caret = clo;
  }

  bool negative = negative_;
  int32_t from = 0;
  if (inputLen > 1 && (input[0] == '-' || input[0] == '+')) {
    negative = input[0] == '-';
    from = 1;
  }
  const char first = input[from];
  bool deleted = false;
  auto deleteRange = [&](int32_t a, int32_t b) {
    std::string kept;
    for (int32_t k = 0; k < static_cast<int32_t>(s.size()); ++k)
      if (k < a || k >= b || s[k] == '.') kept += s[k];
    s = kept;
    caret = a;
    deleted = true;
  };
  const bool changes = first == '-' || first == '+' || first == decimal_ || isDigit(first) || first == '\b';
  if (changes && chi > clo) deleteRange(clo, chi);
  if (first == '\b') {
    if (!deleted) {
      int32_t c = caret;
      if (backspace && c > 0) {
        if (s[c - 1] == '.') --c;
        if (c > 0) {
          s.erase(c - 1, 1);
          --c;
        }
        deleted = true;
      } else if (del && c < static_cast<int32_t>(s.size())) {
        if (s[c] == '.') ++c;
        if (c < static_cast<int32_t>(s.size())) s.erase(c, 1);
        deleted = true;
      }
      caret = c;
    }
  } else if (first == '-' && inputLen == 1) {
    negative = !negative;
  } else if (first == '+' && inputLen == 1) {
    negative = false;
  } else if (first == decimal_ && inputLen == 1) {
    if (hasPoint_) caret = static_cast<int32_t>(s.find('.')) + 1;
  } else {
    for (int32_t k = from; k < inputLen; ++k) {
      const char c = input[k];
      const int32_t dot = static_cast<int32_t>(s.find('.'));
      const int32_t p = dot >= 0 ? dot : static_cast<int32_t>(s.size());
      if (c == decimal_ && hasPoint_) {
        caret = p + 1;
        continue;
      }
      if (!isDigit(c)) continue;
      if (caret <= p) {
        std::string ints = s.substr(0, p);
        const std::string rest = s.substr(p);
        if (ints.empty() || ints == "0") {
          ints = std::string(1, c);
          caret = 1;
        } else {
          ints.insert(static_cast<size_t>(caret), 1, c);
          ++caret;
          if (static_cast<int32_t>(ints.size()) > intPositions_) ints.pop_back();
          if (caret > static_cast<int32_t>(ints.size())) caret = static_cast<int32_t>(ints.size());
        }
        if (intPositions_ == 0) ints.clear(), caret = 0;
        s = ints + rest;
      } else {
        std::string frac = s.substr(p + 1);
        const int32_t f = caret - p - 1;
        frac.insert(static_cast<size_t>(f), 1, c);
        ++caret;
        if (static_cast<int32_t>(frac.size()) > fracPositions_) frac.pop_back();
        s = s.substr(0, p + 1) + frac;
        if (caret > static_cast<int32_t>(s.size())) caret = static_cast<int32_t>(s.size());
      }
      digitEntered_ = true;
    }
  }
  if (deleted) {
    if (!s.empty() && s[0] == '.' && !hasLeadFill_) {
      s.insert(0, "0");
      ++caret;
    }
    if (!s.empty() && s.back() == '.' && !hasTrailFill_) s += '0';
    if (s.empty() && !hasLeadFill_) s = "0";
  }
  negative_ = signAllowed_ && negative;
  return finish(s, caret, negative_);
}

// ---------------------------------------------------------------- validate, unformat

int zNumFormatter::validate(const FLCString& text, zRange& sel) {
  const std::string t(text.data(), text.length());
  Core core;
  int32_t clo = 0, chi = 0;
  std::vector<int32_t> at;
  strip(t, 0, 0, core, clo, chi, &at);
  const int32_t i = static_cast<int32_t>(core.ints.size());
  const int32_t f = static_cast<int32_t>(core.frac.size());
  auto displayOf = [&](int32_t k) {
    return k < static_cast<int32_t>(at.size()) ? at[k] : static_cast<int32_t>(t.size());
  };
  // Integer digits from the point leftwards; more digits than positions fail at the first
  // one that has no element.
  int32_t e = decimalIndex_ - 1;
  for (int32_t k = i - 1; k >= 0; --k) {
    while (e >= 0 && elements_[e].kind != 0 && elements_[e].kind != 3) --e;
    if (e < 0 || !accepts(elements_[e], core.ints[k])) {
      sel = zRange(displayOf(k), displayOf(k));
      return 0;
    }
    --e;
  }
  if (core.point) {
    e = decimalIndex_ + 1;
    for (int32_t k = 0; k < f; ++k) {
      while (e < static_cast<int32_t>(elements_.size()) && elements_[e].kind != 0 && elements_[e].kind != 3) ++e;
      if (e >= static_cast<int32_t>(elements_.size()) || !accepts(elements_[e], core.frac[k])) {
        sel = zRange(displayOf(i + 1 + k), displayOf(i + 1 + k));
        return 0;
      }
      ++e;
    }
  }
  const bool complete = i >= intPositions_ && (!hasPoint_ || f >= fracPositions_);
  const bool empty = i == 0 && f == 0;
  bool valid;
  if (flags_ & zFmtAllDigits)
    valid = complete || ((flags_ & zFmtEmptyValid) && empty);
  else if (flags_ & zFmtEmptyValid)
    valid = true;
  else
    valid = i > 0 || (hasPoint_ && f > 0);
  if (valid) return 1;
  int32_t where = static_cast<int32_t>(t.size());
  if (i < intPositions_ && hasPoint_) {
    const size_t dot = t.find(decimal_);
    if (dot != std::string::npos) where = static_cast<int32_t>(dot);
  }
  sel = zRange(where, where);
  return 0;
}

int zNumFormatter::unformat(FLCString& text) {
  const std::string t(text.data(), text.length());
  Core core;
  int32_t clo = 0, chi = 0;
  const bool negative = strip(t, 0, 0, core, clo, chi, nullptr);
  std::string s = core.joined();
  if (!s.empty() && s[0] == '.') s.insert(0, "0");
  if (!s.empty() && s.back() == '.') s += '0';
  if (s.empty()) s = hasPoint_ ? "0.0" : " ";
  negative_ = signAllowed_ && negative;
  if (negative_) s.insert(0, "-");
  text = FLCString(s.data(), static_cast<uint32_t>(s.size()));
  return 1;
}

int zNumFormatter::firstDataPos(const FLCString& text) {
  const uint32_t n = text.length();
  for (uint32_t k = 0; k < n; ++k) {
    const char c = text[k];
    if (isDigit(c) || (leadFill_ && c == leadFill_) || (trailFill_ && c == trailFill_)) return static_cast<int>(k);
  }
  return static_cast<int>(n);
}

int zNumFormatter::takeNegative() {
  const int negative = negative_ ? 1 : 0;
  negative_ = false;
  return negative;
}
