#include "framework/periphery/zPrinter.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/core/zProgram.h"
#include "framework/core/zWindow.h"
#include "framework/draw/zBitmap.h"

// ---------------------------------------------------------------------------------------
// Printer names.

zPrinterSpec::zPrinterSpec(const char* source) : driver(nullptr), device(nullptr), port(nullptr) {
  std::memset(text, 0, sizeof text);
  if (source) {
    std::memcpy(text, source, strnlen(source, sizeof text - 1));
  } else {
    GetProfileStringA("windows", "Device", "", text, sizeof text);
  }
  text[sizeof text - 1] = 0;
  parse();
}

zPrinterSpec::zPrinterSpec(const zPrinterSpec& other) : driver(nullptr), device(nullptr), port(nullptr) {
  *this = other;
}

zPrinterSpec& zPrinterSpec::operator=(const zPrinterSpec& other) {
  if (this == &other) return *this;
  std::memcpy(text, other.text, sizeof text);
  // The pointers point into the other record's buffer: the same offsets in ours.
  auto rebase = [&](const char* p) { return p ? text + (p - other.text) : nullptr; };
  device = rebase(other.device);
  driver = rebase(other.driver);
  port = rebase(other.port);
  return *this;
}

void zPrinterSpec::parse() {
  device = driver = port = nullptr;
  if (!text[0]) return;
  char* parts[3] = {text, nullptr, nullptr};
  char* p = text;
  for (int i = 1; i < 3; ++i) {
    p = std::strchr(p, ',');
    if (!p) break;
    *p++ = 0;
    while (*p == ' ') ++p;
    parts[i] = p;
  }
  device = parts[0];
  driver = parts[1];
  port = parts[2];
}

zPrinterList* printerList() {
  zPrinterList* list = new zPrinterList;
  std::vector<char> names(4096, 0);
  const DWORD n = GetProfileStringA("devices", nullptr, "", names.data(), static_cast<DWORD>(names.size()));
  // The names stand one after the other, each ended by a zero, the list by a second one.
  for (DWORD at = 0; at < n && names[at];) {
    const char* name = &names[at];
    const size_t length = strnlen(name, n - at);
    char value[80] = "";
    GetProfileStringA("devices", name, "", value, sizeof value);
    char entry[zPrinterSpec::textSize];
    std::snprintf(entry, sizeof entry, "%s,%s", name, value);
    list->append(new zPrinterSpec(entry));
    at += static_cast<DWORD>(length) + 1;
  }
  return list;
}

void freePrinterList(zPrinterList* list) {
  if (!list) return;
  list->clearAndDestroy();
  delete list;
}

// ---------------------------------------------------------------------------------------
// The printer display.

zPrinterDisplay::zPrinterDisplay(const zPrinterSpec* spec)
    : printerDC_(nullptr), fromPage_(1), toPage_(32767), page_(1), copies_(1), collate_(0) {
  kind_ = printerKind;
  zPrinterSpec defaultPrinter;
  if (!spec) spec = &defaultPrinter;
  if (spec->driver && spec->driver[0]) {
    printerDC_ = CreateDCA(spec->driver, spec->device, spec->port, nullptr);
    driver_ = spec->driver;
    if (spec->device) device_ = spec->device;
    if (spec->port) port_ = spec->port;
  }
  if (printerDC_) {
    lock();
    readMetrics(printerDC_);
  } else {
    setMetrics(0, 0, 0, 0, 0, 0);
  }
  pageRect_ = zRect(0, 0, horzRes_, vertRes_);
}

zPrinterDisplay::~zPrinterDisplay() {
  while (lockCount_ > 0) unlock();
  if (printerDC_) DeleteDC(printerDC_);
}

void zPrinterDisplay::adopt(HDC dc) {
  while (lockCount_ > 0) unlock();
  if (printerDC_) DeleteDC(printerDC_);
  printerDC_ = dc;
  if (printerDC_) {
    lock();
    readMetrics(printerDC_);
  } else {
    setMetrics(0, 0, 0, 0, 0, 0);
  }
  pageRect_ = zRect(0, 0, horzRes_, vertRes_);
}

namespace {

// One record for the whole process, so that each dialog starts from the last choices.
PRINTDLGA printDialog;
bool printDialogUsed = false;

// A DEVNAMES block naming the display's printer.
HGLOBAL devNames(const FLCString& driver, const FLCString& device, const FLCString& port) {
  const size_t head = sizeof(DEVNAMES);
  const size_t size = head + driver.length() + device.length() + port.length() + 3;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block) return nullptr;
  char* base = static_cast<char*>(GlobalLock(block));
  if (!base) {
    GlobalFree(block);
    return nullptr;
  }
  DEVNAMES* names = reinterpret_cast<DEVNAMES*>(base);
  size_t at = head;
  auto put = [&](const FLCString& s) {
    const WORD offset = static_cast<WORD>(at);
    std::memcpy(base + at, s.data(), s.length());
    at += s.length() + 1;
    return offset;
  };
  names->wDriverOffset = put(driver);
  names->wDeviceOffset = put(device);
  names->wOutputOffset = put(port);
  names->wDefault = 0;
  GlobalUnlock(block);
  return block;
}

}  // namespace

bool zPrinterDisplay::setup() {
  if (!printDialogUsed) {
    std::memset(&printDialog, 0, sizeof printDialog);
    printDialog.lStructSize = sizeof printDialog;
    zWindow* frame = zTheProgram ? zTheProgram->mainFrame() : nullptr;
    printDialog.hwndOwner = frame ? frame->handle() : nullptr;
    if (printerDC_) {
      printDialog.Flags = PD_RETURNDEFAULT | PD_RETURNDC | PD_COLLATE | PD_USEDEVMODECOPIES;
      if (PrintDlgA(&printDialog)) {
        if (printDialog.hDC) DeleteDC(printDialog.hDC);
        // The dialog opens on this display's printer rather than the default one.
        if (HGLOBAL names = devNames(driver_, device_, port_)) {
          if (printDialog.hDevNames) GlobalFree(printDialog.hDevNames);
          printDialog.hDevNames = names;
        }
      }
    }
    printDialog.hDC = nullptr;
    printDialog.Flags = PD_USEDEVMODECOPIES | PD_RETURNDC | PD_COLLATE | PD_NOPAGENUMS | PD_NOSELECTION;
    printDialog.nFromPage = printDialog.nToPage = 0;
    printDialog.nCopies = static_cast<WORD>(copies_);
    printDialogUsed = true;
  }
  printDialog.hDC = nullptr;
  if (!PrintDlgA(&printDialog)) return false;

  if (printDialog.hDevNames) {
    if (const char* base = static_cast<const char*>(GlobalLock(printDialog.hDevNames))) {
      const DEVNAMES* names = reinterpret_cast<const DEVNAMES*>(base);
      driver_ = base + names->wDriverOffset;
      device_ = base + names->wDeviceOffset;
      port_ = base + names->wOutputOffset;
      GlobalUnlock(printDialog.hDevNames);
    }
  }
  adopt(printDialog.hDC);
  printDialog.hDC = nullptr;
  copies_ = printDialog.nCopies;
  collate_ = (printDialog.Flags & PD_COLLATE) ? 1 : 0;
  return true;
}

void zPrinterDisplay::setPageRect() {
  pageRect_ = zRect(0, 0, horzRes_, vertRes_);
  viewportOrigin(0, 0);
}

void zPrinterDisplay::setPageRect(const zRect& r, bool moveOrigin) {
  zRect clipped(std::max(r.left(), 0), std::max(r.top(), 0), std::min(r.right(), horzRes_),
                std::min(r.bottom(), vertRes_));
  if (moveOrigin) {
    viewportOrigin(clipped.left(), clipped.top());
    pageRect_ = zRect(0, 0, clipped.width(), clipped.height());
  } else {
    pageRect_ = clipped;
  }
}

bool zPrinterDisplay::startDoc(const char* docName) {
  if (!printerDC_) return false;
  DOCINFOA info;
  std::memset(&info, 0, sizeof info);
  info.cbSize = sizeof info;
  info.lpszDocName = docName;
  return StartDocA(printerDC_, &info) > 0;
}

int zPrinterDisplay::startPage() { return printerDC_ ? StartPage(printerDC_) : -1; }
int zPrinterDisplay::endPage() { return printerDC_ ? EndPage(printerDC_) : -1; }
int zPrinterDisplay::endDoc() { return printerDC_ ? EndDoc(printerDC_) : -1; }

int zPrinterDisplay::setAbortProc(ABORTPROC proc) { return printerDC_ ? SetAbortProc(printerDC_, proc) : -1; }

int zPrinterDisplay::nextBand(zRect& r) {
  RECT band = {0, 0, 0, 0};
  const int result = printerDC_ ? Escape(printerDC_, NEXTBAND, 0, nullptr, &band) : -1;
  r.assign(band);
  return result;
}

int zPrinterDisplay::abortDoc() { return printerDC_ ? AbortDoc(printerDC_) : -1; }

bool zPrinterDisplay::drawBitmap(zBitmap& bitmap, zPoint at, DWORD rop) {
  if (!isLocked() || !hdc_) return false;
  const zDimension pixels = bitmap.size();
  POINT corner[2] = {{0, 0}, {pixels.width(), pixels.height()}};
  DPtoLP(hdc_, corner, 2);
  const int width = corner[1].x - corner[0].x;
  const int height = corner[1].y - corner[0].y;
  HGLOBAL dib = bitmapToDIB(bitmap);
  drawDIB(hdc_, at.x(), at.y(), width, height, dib, 0, 0, pixels.width(), pixels.height(), rop);
  if (dib) GlobalFree(dib);
  return true;
}
