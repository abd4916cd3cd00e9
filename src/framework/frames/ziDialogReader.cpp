#include "framework/frames/ziDialogReader.h"

#include <cstdio>
#include <cstring>

#include "framework/core/zControlType.h"
#include "framework/controls/zControl.h"
#include "framework/core/zProgram.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zSuperClass.h"
#include "framework/core/zWindow.h"
#include "framework/draw/zDisplay.h"
#include "framework/frames/zDialogUnit.h"
#include "framework/frames/ziFrameSupport.h"

namespace {

// The window whose screen position the template's coordinates are relative to.
zWindow* anchorWindow(zWindow* frame) {
  if (frame && frame->parent()) return frame->parent();
  return zTheProgram ? zTheProgram->mainFrame() : nullptr;
}

std::string describe(const zResId& id) {
  const LPCSTR name = id.resourceName();
  if (IS_INTRESOURCE(name)) return std::to_string(reinterpret_cast<uintptr_t>(name));
  return std::string("\"") + name + "\"";
}

}  // namespace

ziDialogReader::ziDialogReader(zWindow* frame, const zResId& templateId)
    : status_(usable),
      data_(nullptr),
      size_(0),
      cursor_(0),
      menuId_(0),
      itemCount_(0),
      frame_(frame),
      resource_(nullptr),
      module_(nullptr),
      moduleLoaded_(false),
      defaultId_(zNoDefaultId),
      hasMenu_(0),
      style_(0),
      templateName_(describe(templateId)) {
  loadTemplate(templateId);
  readHeader();
}

ziDialogReader::ziDialogReader(zWindow* frame, const void* data, size_t size)
    : status_(usable),
      data_(static_cast<const uint8_t*>(data)),
      size_(data ? size : 0),
      cursor_(0),
      menuId_(0),
      itemCount_(0),
      frame_(frame),
      resource_(nullptr),
      module_(nullptr),
      moduleLoaded_(false),
      defaultId_(zNoDefaultId),
      hasMenu_(0),
      style_(0),
      templateName_("in memory") {
  readHeader();
}

ziDialogReader::~ziDialogReader() {
  if (resource_) FreeResource(resource_);
  if (moduleLoaded_ && module_) FreeLibrary(module_);
}

void ziDialogReader::fail(Status status, const std::string& text) {
  if (status_ == usable) {
    status_ = status;
    error_ = text;
    // A refused template leaves a dialog without controls: say why where a developer looks.
    OutputDebugStringA((text + "\n").c_str());
    std::fprintf(stderr, "%s\n", text.c_str());
  }
  itemCount_ = 0;
}

void ziDialogReader::loadTemplate(const zResId& templateId) {
  if (templateId.moduleName()) {
    module_ = LoadLibraryA(templateId.moduleName());
    if (reinterpret_cast<uintptr_t>(module_) < 32) module_ = nullptr;
    moduleLoaded_ = module_ != nullptr;
  } else if (templateId.module()) {
    module_ = templateId.module();
  } else {
    module_ = zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr);
  }
  if (!module_) return;
  const HRSRC found = FindResourceA(module_, templateId.resourceName(), RT_DIALOG);
  if (!found) return;
  resource_ = LoadResource(module_, found);
  if (!resource_) return;
  data_ = static_cast<const uint8_t*>(LockResource(resource_));
  size_ = data_ ? SizeofResource(module_, found) : 0;
}

bool ziDialogReader::readWord(uint16_t& value) {
  if (cursor_ + 2 > size_) {
    fail(damaged, "Dialog template " + templateName_ + " ends before its last item.");
    return false;
  }
  value = static_cast<uint16_t>(data_[cursor_] | data_[cursor_ + 1] << 8);
  cursor_ += 2;
  return true;
}

bool ziDialogReader::readDword(uint32_t& value) {
  uint16_t low = 0;
  uint16_t high = 0;
  if (!readWord(low) || !readWord(high)) return false;
  value = static_cast<uint32_t>(low) | static_cast<uint32_t>(high) << 16;
  return true;
}

// UTF-16 text as 8-bit text: the low byte of each code unit, up to the first whose low byte
// is 0; the cursor moves past the terminating zero unit.
bool ziDialogReader::readText(FLCString& text) {
  std::string out;
  bool stopped = false;
  for (;;) {
    uint16_t unit = 0;
    if (!readWord(unit)) return false;
    if (unit == 0) break;
    if ((unit & 0xFF) == 0) stopped = true;
    if (!stopped) out.push_back(static_cast<char>(unit & 0xFF));
  }
  text = out.c_str();
  return true;
}

bool ziDialogReader::skipText() {
  FLCString ignored;
  return readText(ignored);
}

bool ziDialogReader::align() {
  cursor_ = (cursor_ + 3) & ~static_cast<size_t>(3);
  if (cursor_ > size_) {
    fail(damaged, "Dialog template " + templateName_ + " ends before its last item.");
    return false;
  }
  return true;
}

void ziDialogReader::readHeader() {
  if (!data_ || size_ == 0) {
    style_ = 0;
    itemCount_ = 0;
    status_ = notFound;
    return;
  }
  uint32_t style = 0;
  uint32_t exStyle = 0;
  uint16_t count = 0;
  uint16_t x = 0, y = 0, cx = 0, cy = 0;
  if (!readDword(style)) return;
  if ((style & 0xFFFF0000u) == 0xFFFF0000u && (style & 0xFFFFu) == 1) {
    fail(extendedForm, "Dialog template " + templateName_ +
                           " is in the extended form (DIALOGEX), which this program does not "
                           "read; write it as a DIALOG.");
    return;
  }
  if (!readDword(exStyle) || !readWord(count) || !readWord(x) || !readWord(y) || !readWord(cx) || !readWord(cy)) return;
  style_ = style & ~static_cast<uint32_t>(WS_VISIBLE);
  itemCount_ = count;
  uint16_t word = 0;
  if (!readWord(word)) return;
  if (word == 0xFFFF) {
    uint16_t menu = 0;
    if (!readWord(menu)) return;
    hasMenu_ = 1;
    menuId_ = menu;
  } else if (word != 0) {
    fail(damaged, "Dialog template " + templateName_ + " names its menu, which is not supported.");
    return;
  }
  if (!readWord(word)) return;
  if (word == 0xFFFF) {
    cursor_ += 2;
  } else if (word != 0) {
    cursor_ -= 2;
    if (!skipText()) return;
  }
  if (!readText(caption_)) return;

  HFONT font = nullptr;
  if (style & DS_SETFONT) {
    uint16_t points = 0;
    FLCString face;
    if (!readWord(points) || !readText(face)) return;
    const int32_t weight = zTheProgram ? zTheProgram->dialogFontWeight() : 400;
    font_ = zRCFont(face, zPrPoint(0, (points & 0xFF) * 10), weight == -1 ? 400 : weight);
    font = font_.hfont();
  }
  if (font) {
    ziInfoDisplay display;
    display.lock();
    const HGDIOBJ old = SelectObject(display.hdc(), font);
    base_ = zDialogUnit::measure(display.hdc());
    SelectObject(display.hdc(), old);
    display.unlock();
  }
  int32_t left = zDialogUnit::pixelsX(x, base_);
  int32_t top = zDialogUnit::pixelsY(y, base_);
  zWindow* anchor = anchorWindow(frame_);
  if (anchor && IsWindow(anchor->handle())) {
    RECT r;
    GetWindowRect(anchor->handle(), &r);
    left += r.left;
    top += r.top;
  }
  rect_ = zRect(left, top, left + zDialogUnit::pixelsX(cx, base_), top + zDialogUnit::pixelsY(cy, base_));
  align();
}

void ziDialogReader::setFrameGeometry(zSizer* sizer) const {
  if (!sizer) return;
  sizer->setOrigin(rect_.topLeft());
  sizer->setExtent(zDimension(rect_.width(), rect_.height()));
}

bool ziDialogReader::createControls() {
  if (!isUsable()) return status_ == notFound;
  bool ok = true;
  for (uint32_t i = 0; i < itemCount_ && ok; ++i) {
    uint32_t style = 0, exStyle = 0;
    uint16_t x = 0, y = 0, cx = 0, cy = 0, id = 0, word = 0, atom = 0;
    std::string className;
    FLCString title;
    ok = align() && readDword(style) && readDword(exStyle) && readWord(x) && readWord(y) && readWord(cx) &&
         readWord(cy) && readWord(id) && readWord(word);
    if (!ok) break;
    if (word == 0xFFFF) {
      ok = readWord(atom);
    } else {
      // A class name: converted with the code page, at most 199 characters.
      cursor_ -= 2;
      const size_t start = cursor_;
      ok = skipText();
      if (ok) {
        const int units = static_cast<int>((cursor_ - start) / 2) - 1;
        char buffer[200] = {0};
        WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(data_ + start), units, buffer,
                            sizeof buffer - 1, nullptr, nullptr);
        className = buffer;
      }
    }
    if (!ok) break;
    ok = readWord(word);
    if (!ok) break;
    if (word == 0xFFFF) {
      // An ordinal title (an icon's resource number): the control gets no text.
      uint16_t ordinal = 0;
      ok = readWord(ordinal);
    } else {
      cursor_ -= 2;
      ok = readText(title);
    }
    if (!ok) break;
    // Creation data: the size word counts itself; the data is stepped over, so that the
    // items after it are read where they are.
    uint16_t dataSize = 0;
    ok = readWord(dataSize);
    if (!ok) break;
    if (dataSize > 2) {
      if (cursor_ + (dataSize - 2u) > size_) {
        fail(damaged, "Dialog template " + templateName_ + " ends before its last item.");
        ok = false;
        break;
      }
      cursor_ += dataSize - 2u;
    }
    const int32_t px = zDialogUnit::pixelsX(x, base_);
    const int32_t py = zDialogUnit::pixelsY(y, base_);
    const zRect pixels(px, py, px + zDialogUnit::pixelsX(cx, base_), py + zDialogUnit::pixelsY(cy, base_));
    createControl(className, atom, title, id, pixels, style);
  }
  return ok;
}

zWindow* ziDialogReader::createControl(const std::string& className, uint16_t atom, const FLCString& title, uint16_t id,
                                       const zRect& pixels, uint32_t style) {
  if (!className.empty() && className == "scrollbar") atom = 0x84;
  zSizer* frameSizer = frame_ ? frame_->sizer() : nullptr;
  zSizer* sizer = new zSizer(pixels.topLeft(), zDimension(pixels.width(), pixels.height()), frameSizer);
  zWindow* made = nullptr;
  if (atom == 0) {
    if (zSuperClassSlist::find(FLCString(className.c_str()))) {
      zControl* control = new zControl(frame_, sizer, style, title, id, className.c_str());
      control->create();
      made = control;
    } else if (zControlType* type = zControlType::find(className.c_str())) {
      made = type->creator() ? type->creator()(frame_, sizer, style, title, id) : nullptr;
      if (!type->creator()) delete sizer;
    } else {
      delete sizer;  // a class nobody registered makes nothing
      return nullptr;
    }
    if (made) made->show(1);
    return made;
  }
  made = ziCreateTemplateControl(atom, frame_, sizer, style, title, id);
  if (atom == 0x80 && (style & 0xFFFF) == BS_DEFPUSHBUTTON && defaultId_ == zNoDefaultId) defaultId_ = id;
  return made;
}
