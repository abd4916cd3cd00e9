#include "framework/frames/zCommonForms.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "foundation/FileNames.h"
#include "framework/core/zProgram.h"
#include "framework/core/zWindow.h"

namespace {

// Copies as much of the text as fits, always terminated.
void copyBounded(char* target, size_t capacity, const char* text) {
  if (capacity == 0) return;
  const size_t n = std::min(std::strlen(text), capacity - 1);
  std::memcpy(target, text, n);
  target[n] = 0;
}

HWND ownerHandle(zWindow* owner) { return owner ? owner->handle() : nullptr; }

}  // namespace

zFileFormStart ziFileFormStart(bool saveForm, const char* initial, const char* const* filters, char* name,
                               size_t capacity) {
  zFileFormStart start;
  if (capacity) name[0] = 0;
  const char* firstPattern = filters && filters[0] ? filters[1] : nullptr;
  if (!initial) {
    if (!saveForm) {
      start.defaultExtension = "*";
      start.hasDefaultExtension = true;
    }
    return start;
  }
  if (initial[0] == '*') {
    // A pattern such as "*.xpv" proposes its extension; the open form shows the pattern.
    start.defaultExtension = std::strlen(initial) >= 2 ? initial + 2 : "";
    start.hasDefaultExtension = true;
    if (!saveForm) copyBounded(name, capacity, initial);
  } else {
    copyBounded(name, capacity, initial);
    // The extension is the file's own, after the last full stop of its last part: a
    // folder such as "j.smith" or a name such as "plan.v2.xpv" holds others before it.
    const char* file = initial;
    for (const char* at = initial; *at; ++at)
      if (*at == '\\' || *at == '/' || *at == ':') file = at + 1;
    if (const char* dot = std::strrchr(file, '.')) {
      start.defaultExtension = dot + 1;
      start.hasDefaultExtension = true;
    } else if (firstPattern) {
      start.defaultExtension = firstPattern;
      start.hasDefaultExtension = true;
    } else if (!saveForm) {
      start.defaultExtension = "*";
      start.hasDefaultExtension = true;
    }
  }
  if (saveForm && start.hasDefaultExtension && !start.defaultExtension.empty() && start.defaultExtension[0] == '*') {
    start.defaultExtension.clear();
    start.hasDefaultExtension = false;
  }
  return start;
}

std::string ziFileFormFilter(const char* const* filters) {
  std::string text;
  if (!filters) {
    text.append("All Files (*.*)", 16);
    text.append("*.*", 4);
  } else {
    for (const char* const* f = filters; *f; ++f) text.append(*f, std::strlen(*f) + 1);
  }
  text.append(2, '\0');
  return text;
}

namespace {

// The form runs in its wide form, so that any name the user picks or types comes back
// as it is: the initial name, the title and the filters go in as UTF-8, the chosen
// name comes out as UTF-8.
template <class Run>
int32_t runFileDialog(zWindow* owner, const char* title, const char* initial, const char* const* filters, bool saveForm,
                      char (&name)[zFileFormNameCapacity], Run run) {
  const zFileFormStart start = ziFileFormStart(saveForm, initial, filters, name, sizeof name);
  const std::string filter = ziFileFormFilter(filters);
  const std::wstring wideFilter = PV::Files::toWide(filter);
  const std::wstring wideTitle = PV::Files::toWide(title ? title : "");
  const std::wstring wideExtension = PV::Files::toWide(start.defaultExtension);
  wchar_t wideName[MAX_PATH * 4] = {};
  const std::wstring startName = PV::Files::toWide(name);
  std::wcsncpy(wideName, startName.c_str(), MAX_PATH * 4 - 1);
  OPENFILENAMEW ofn;
  std::memset(&ofn, 0, sizeof ofn);
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = ownerHandle(owner);
  ofn.lpstrFilter = wideFilter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = wideName;
  ofn.nMaxFile = MAX_PATH * 4;
  ofn.nMaxFileTitle = 256;
  ofn.lpstrTitle = title ? wideTitle.c_str() : nullptr;
  ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  ofn.lpstrDefExt = start.hasDefaultExtension ? wideExtension.c_str() : nullptr;
  // The form shows the shell's folders, which are OLE objects.
  zStartOle();
  if (!run(&ofn)) return 0;
  const std::string chosen = PV::Files::fromWide(wideName);
  if (chosen.size() >= sizeof name) {
    name[0] = 0;  // a name too long to hand back is no name
    return 0;
  }
  copyBounded(name, sizeof name, chosen.c_str());
  return 1;
}

}  // namespace

zFileOpenForm::zFileOpenForm(zWindow* owner, const char* title, const char* initial, const char* const* filters)
    : completed_(0) {
  completed_ = runFileDialog(owner, title, initial, filters, false, name_,
                             [](OPENFILENAMEW* ofn) { return GetOpenFileNameW(ofn); });
}

zFileSaveAsForm::zFileSaveAsForm(zWindow* owner, const char* title, const char* initial, const char* const* filters)
    : completed_(0) {
  completed_ = runFileDialog(owner, title, initial, filters, true, name_,
                             [](OPENFILENAMEW* ofn) { return GetSaveFileNameW(ofn); });
}

COLORREF* zColorSelForm::customColors() {
  static COLORREF colors[16];
  static bool initialised = false;
  if (!initialised) {
    for (COLORREF& c : colors) c = 0xFFFFFF;
    initialised = true;
  }
  return colors;
}

zColorSelForm::zColorSelForm(zWindow* owner) : completed_(0) { run(owner, zColor(0, 0, 0, 0)); }

zColorSelForm::zColorSelForm(zWindow* owner, const zColor& initial) : completed_(0) { run(owner, initial); }

void zColorSelForm::run(zWindow* owner, const zColor& initial) {
  CHOOSECOLORA cc;
  std::memset(&cc, 0, sizeof cc);
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = ownerHandle(owner);
  cc.rgbResult = RGB(initial.red_, initial.green_, initial.blue_);
  cc.lpCustColors = customColors();
  cc.Flags = CC_RGBINIT;
  if (ChooseColorA(&cc)) completed_ = 1;
  color_ = zColor(GetRValue(cc.rgbResult), GetGValue(cc.rgbResult), GetBValue(cc.rgbResult), 0);
}

zFontSelForm::zFontSelForm(zWindow* owner, const zColor& color, zFontDescript* description)
    : description_(description), color_(color), result_(0) {
  CHOOSEFONTA cf;
  std::memset(&cf, 0, sizeof cf);
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = ownerHandle(owner);
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS;
  if (description_) {
    cf.Flags |= CF_INITTOLOGFONTSTRUCT;
  } else {
    description_ = new zFontDescript;
    std::memset(description_, 0, sizeof *description_);
  }
  cf.lpLogFont = &description_->logFont;
  cf.rgbColors = color.colorRef();
  result_ = ChooseFontA(&cf) ? 1 : 0;
  color_ = zColor::fromColorRef(cf.rgbColors);
  description_->pointSize = static_cast<uint16_t>(cf.iPointSize);
}
