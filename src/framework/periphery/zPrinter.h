// Printers: the names of installed printers from the system profile, and the printer
// display, a display on a printer's device context with the page state of a print job and
// the spooler calls.
//
// Failure: without a default printer (or with a zPrinterSpec that names no driver) the
// printer display has no context, its metrics are 0 and drawing does nothing; every spooler
// call then fails (startDoc answers false), so a print job ends through its failure path.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "foundation/FLTLists.h"
#include "framework/draw/zDisplay.h"

// A printer as "device,driver,port": the commas become NULs, spaces after them are
// skipped, and the three pointers point into the record's own buffer (null for a part
// that is missing).
struct zPrinterSpec {
  static constexpr size_t textSize = 256;

  // Null: the default printer ("Device" of the profile's "windows" section); an empty
  // profile value leaves all three pointers null.
  explicit zPrinterSpec(const char* text = nullptr);
  zPrinterSpec(const zPrinterSpec& other);
  zPrinterSpec& operator=(const zPrinterSpec& other);

  char text[textSize];
  char* driver;
  char* device;
  char* port;

 private:
  void parse();
};

using zPrinterList = FLTPtrSlist<zPrinterSpec>;

// Every installed printer (the profile's "devices" section), in profile order; a new list
// that freePrinterList gives back.
zPrinterList* printerList();
// Deletes every printer record and the list; null is ignored.
void freePrinterList(zPrinterList* list);

class zPrinterDisplay : public zDisplay {
 public:
  // Without a printer record, the default printer. The display holds the context it made,
  // locked, until it is deleted.
  explicit zPrinterDisplay(const zPrinterSpec* spec = nullptr);
  ~zPrinterDisplay() override;

  // The system's print dialog; true when the user confirmed it, and the display then
  // prints on the printer chosen there. The dialog's record lives for the whole process,
  // so each dialog starts from the choices of the one before.
  bool setup();

  // The whole printable area, with the viewport origin back at (0, 0).
  void setPageRect();
  // The rectangle clipped to the device; with moveOrigin the viewport origin moves to its
  // top-left corner and the page rectangle becomes (0, 0, width, height).
  void setPageRect(const zRect& r, bool moveOrigin);
  const zRect& pageRect() const { return pageRect_; }

  int32_t page() const { return page_; }
  void setPage(int32_t page) { page_ = page; }
  int32_t fromPage() const { return fromPage_; }
  int32_t toPage() const { return toPage_; }
  int32_t copies() const { return copies_; }
  void setCopies(int32_t copies) { copies_ = copies; }
  int32_t collate() const { return collate_; }
  void setCollate(int32_t collate) { collate_ = collate; }
  const FLCString& driver() const { return driver_; }
  const FLCString& device() const { return device_; }
  const FLCString& port() const { return port_; }

  // The spooler, on the display's context. startDoc is true unless the spooler refused.
  virtual bool startDoc(const char* docName);
  virtual int startPage();
  virtual int endPage();
  virtual int endDoc();
  virtual int setAbortProc(ABORTPROC proc);
  // The next band of the page into r (empty when the page is done).
  virtual int nextBand(zRect& r);
  virtual int abortDoc();

  void size(zRect& r) override { r = pageRect_; }
  void updateRect(zRect& r) override { r = pageRect_; }
  // Printers take bitmaps as device-independent bitmaps; false when not locked.
  bool drawBitmap(zBitmap& bitmap, zPoint at, DWORD rop = SRCCOPY) override;

 protected:
  void acquireDC() override { hdc_ = printerDC_; }
  void releaseDC() override { hdc_ = nullptr; }

 private:
  // Takes over a context of the printer named by the three names.
  void adopt(HDC dc);

  HDC printerDC_;
  FLCString driver_;
  FLCString device_;
  FLCString port_;
  int32_t fromPage_;
  int32_t toPage_;
  int32_t page_;
  int32_t copies_;
  zRect pageRect_;
  int32_t collate_;
};
