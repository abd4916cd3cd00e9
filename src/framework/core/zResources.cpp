#include "framework/core/zResources.h"

#include <cstring>
#include <vector>

#include "framework/core/zProgram.h"
#include "framework/core/zWindow.h"

namespace {

HINSTANCE appInstance() { return zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr); }

bool loadFailed(HMODULE module) { return reinterpret_cast<uintptr_t>(module) < 32; }

// Icons and cursors: with a module file, the id's module when set, else the file, and
// nothing on failure; without one, the program's instance. *loaded tells whether the
// caller frees the module afterwards.
HMODULE iconModule(const zResId& id, bool* loaded) {
  *loaded = false;
  if (!id.moduleName()) return appInstance();
  if (id.module()) return id.module();
  const HMODULE module = LoadLibraryA(id.moduleName());
  if (loadFailed(module)) return nullptr;
  *loaded = true;
  return module;
}

// Strings: the id's module when set; else the file, falling back to the instance; else
// the instance.
HMODULE stringModule(const zResId& id, bool* loaded) {
  *loaded = false;
  if (id.module()) return id.module();
  if (id.moduleName()) {
    const HMODULE module = LoadLibraryA(id.moduleName());
    if (!loadFailed(module)) {
      *loaded = true;
      return module;
    }
  }
  return appInstance();
}

}  // namespace

// ---------------------------------------------------------------- zString

zString::zString(char c) : FLCString(c) {}

zString::zString(const zResId& id, uint32_t bufferSize) {
  if (bufferSize == 0) return;
  bool loaded = false;
  const HMODULE module = stringModule(id, &loaded);
  std::vector<char> buffer(bufferSize, 0);
  const UINT number = static_cast<UINT>(LOWORD(reinterpret_cast<uintptr_t>(id.resourceName())));
  if (LoadStringA(module, number, buffer.data(), static_cast<int>(bufferSize)) > 0) FLCString::operator=(buffer.data());
  if (loaded) FreeLibrary(module);
}

zString zString::fromResource(const zResId& id) { return zString(id, 256); }

zString& zString::operator=(const char* text) {
  FLCString::operator=(text ? text : "");
  return *this;
}

zString& zString::operator=(char c) {
  FLCString::operator=(FLCString(c));
  return *this;
}

zString& zString::operator+=(const char* text) {
  if (text) append(text);
  return *this;
}

zString& zString::operator+=(char c) {
  if (c) append(c);
  return *this;
}

zString& zString::operator+=(const zString& other) {
  append(other);
  return *this;
}

bool zString::operator==(const char* text) const {
  return std::strcmp(static_cast<const char*>(*this), text ? text : "") == 0;
}

uint32_t zString::reserve(uint32_t n) {
  if (capacity() < n) capacity(n);
  return n;
}

// ---------------------------------------------------------------- user resources

zUserResource::zUserResource(const zResId& id, LPCSTR type)
    : module_(nullptr), moduleLoaded_(false), data_(nullptr), size_(0) {
  if (id.moduleName()) {
    module_ = LoadLibraryA(id.moduleName());
    if (loadFailed(module_)) {
      module_ = nullptr;
      return;
    }
    moduleLoaded_ = true;
  } else {
    module_ = id.module() ? id.module() : appInstance();
  }
  const HRSRC found = FindResourceA(module_, id.resourceName(), type);
  if (!found) return;
  const HGLOBAL loaded = LoadResource(module_, found);
  if (!loaded) return;
  data_ = static_cast<const char*>(LockResource(loaded));
  size_ = data_ ? SizeofResource(module_, found) : 0;
}

zUserResource::~zUserResource() {
  if (moduleLoaded_) FreeLibrary(module_);
}

zResStrBlock::zResStrBlock(const zResId& id) : zUserResource(id), current_(nullptr), first_(data()) {}

const char* zResStrBlock::nextString() {
  if (!first_ || size() == 0) return nullptr;
  if (!current_) {
    current_ = first_;
    return *current_ ? current_ : (current_ = nullptr);
  }
  if (!inside(current_) || *current_ == 0) return nullptr;
  // Step past the current string without leaving the resource.
  const char* p = current_;
  while (inside(p) && *p) ++p;
  ++p;
  if (!inside(p) || *p == 0) {
    current_ = nullptr;
    return nullptr;
  }
  // The string must end inside the resource to be handed out.
  const char* end = p;
  while (inside(end) && *end) ++end;
  if (!inside(end)) {
    current_ = nullptr;
    return nullptr;
  }
  current_ = p;
  return current_;
}

// ---------------------------------------------------------------- message boxes, icons

zMessage::zMessage(zWindow* parent, const char* text, const char* title, uint16_t flags)
    : answer_(MessageBoxA(parent ? parent->handle() : nullptr, text, title, flags)) {}

zIcon::zIcon(const zResId& id) : handle_(nullptr), owned_(1), resId_(id), systemId_(0) {
  bool loaded = false;
  const HMODULE module = iconModule(id, &loaded);
  if (module) handle_ = LoadIconA(module, id.resourceName());
  if (loaded) FreeLibrary(module);
}

zIcon::zIcon(uint16_t systemId)
    : handle_(LoadIconA(nullptr, MAKEINTRESOURCEA(systemId))), owned_(0), resId_(0u, nullptr), systemId_(systemId) {}

zIcon::zIcon(const char* file) : handle_(nullptr), owned_(0), resId_(0u, nullptr), systemId_(0) {
  const HICON icon = ExtractIconA(appInstance(), file, 0);
  if (reinterpret_cast<uintptr_t>(icon) > 1) {
    handle_ = icon;
    owned_ = 1;
  }
}

zIcon::zIcon(const zIcon& other) : handle_(nullptr), owned_(0), resId_(other.resId_), systemId_(other.systemId_) {
  if (systemId_) {
    handle_ = LoadIconA(nullptr, MAKEINTRESOURCEA(systemId_));
  } else if (other.handle_) {
    bool loaded = false;
    const HMODULE module = iconModule(resId_, &loaded);
    if (module) handle_ = LoadIconA(module, resId_.resourceName());
    if (loaded) FreeLibrary(module);
    owned_ = handle_ ? 1 : 0;
  }
}

zIcon::~zIcon() {
  if (owned_ && handle_) DestroyIcon(handle_);
}

HCURSOR zArrowCursor() {
  static const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  return arrow;
}

HICON zApplicationIcon() {
  static const HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
  return icon;
}

HCURSOR zLoadCursor(const zResId& id) {
  bool loaded = false;
  const HMODULE module = iconModule(id, &loaded);
  const HCURSOR cursor = module ? LoadCursorA(module, id.resourceName()) : nullptr;
  if (loaded) FreeLibrary(module);
  return cursor;
}
