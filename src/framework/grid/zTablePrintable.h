// zTablePrintable: a grid that prints itself through a print job (zPrintJob), page by
// page. The cells of the print range (the whole table unless set) are laid out at the
// printer's resolution (zTablePages): the screen's column widths, row heights, header size
// and fonts scaled by the printer's pixels per inch over the screen's. Pages run down the
// rows first (the default) or across the columns first; row and column headers print on
// the first pages of each band, or on every page when repeated; header frames may be drawn
// with a pen 18 thousandths of an inch wide.
//
// A job calls beginPrint (the pages are counted; the job prints the printer's from-page to
// its to-page, bounded by the count), printPage for each page, nextPage until it answers
// 0, then endPrint. Outside a job the grid draws as a zTable does.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "framework/draw/zRCFont.h"
#include "framework/grid/zTable.h"
#include "framework/grid/zTablePages.h"

class zPrinterDisplay;
class zPrintJob;

class zTablePrintable : public zTable {
 public:
  zTablePrintable(zWindow* parent, zSizer* sizer, uint32_t style, zTableModel* model);
  // The form a dialog template's control uses: a 100 by 100 model of its own and an id.
  zTablePrintable(zWindow* parent, zSizer* sizer, uint32_t style, int flag, int32_t id);
  // Takes the place of the grid child of parent with this id (as zTable's form does), and
  // its print settings when it is printable too.
  zTablePrintable(zWindow* parent, int32_t id, zTableModel* model);
  ~zTablePrintable() override;

  // The cells to print, clamped to the table; the whole table until set.
  void setPrintRange(const zTableCellRange& range) {
    s_.range = range;
    s_.rangeSet = true;
  }
  zTableCellRange printRange() const;
  void setDownFirst() { s_.downFirst = true; }
  void setAcrossFirst() { s_.downFirst = false; }
  bool isDownFirst() const { return s_.downFirst; }
  bool isAcrossFirst() const { return !s_.downFirst; }
  void setPrintRowHeaders(bool on) { s_.rowHeaders = on; }
  bool printRowHeaders() const { return s_.rowHeaders; }
  void setPrintColumnHeaders(bool on) { s_.columnHeaders = on; }
  bool printColumnHeaders() const { return s_.columnHeaders; }
  void setRepeatRowHeaders(bool on) { s_.repeatRowHeaders = on; }
  bool repeatRowHeaders() const { return s_.repeatRowHeaders; }
  void setRepeatColumnHeaders(bool on) { s_.repeatColumnHeaders = on; }
  bool repeatColumnHeaders() const { return s_.repeatColumnHeaders; }
  void setWideHeaderLines(bool on) { s_.wideLines = on; }
  bool wideHeaderLines() const { return s_.wideLines; }

  // The pages as they fall on a printer display; page n's cells (the last page's for an n
  // beyond the count). False when nothing would print.
  bool pageRange(zDisplay* printer, zTableCellRange& range, uint32_t n);
  uint32_t pageCount() const { return pageCount_; }
  int32_t currentPage() const { return page_; }
  bool printing() const { return printing_; }

  // The printing protocol.
  int beginPrint(zPrinterDisplay* printer, zPrintJob* job);
  int printPage(zPrinterDisplay* printer, zRect& area);
  int nextPage();
  void endPrint(zPrinterDisplay* printer, zPrintJob* job);

  void drawHeaderCell(zDisplay* d, const zRect& r, uint32_t index, uint32_t part) override;

 protected:
  // Called with starting set when a job begins, and clear before each page; for derived
  // grids that set their print range or attributes for the job. Nothing here.
  virtual void preparePrint(zDisplay* printer, bool starting) {
    (void)printer;
    (void)starting;
  }

 private:
  struct Settings {
    bool rangeSet = false;
    zTableCellRange range;
    bool downFirst = true;
    bool rowHeaders = true;
    bool columnHeaders = true;
    bool repeatRowHeaders = false;
    bool repeatColumnHeaders = false;
    bool wideLines = true;
  };
  // The settings of the printable grid child of parent with this id, or the defaults.
  static Settings settingsOf(zWindow* parent, int32_t id);
  zTablePrintable(const Settings& settings, zWindow* parent, int32_t id, zTableModel* model)
      : zTable(parent, id, model), s_(settings) {}

  zTablePageSetup pageSetup(zDisplay* printer) const;
  // The printer's version of a screen font, made once per job.
  zRCFont printerFont(const zRCFont& screen);
  void dropFonts();

  bool printing_ = false;
  int32_t page_ = 0;
  int32_t lastPage_ = 0;
  uint32_t pageCount_ = 0;
  Settings s_;
  int32_t screenPerInchX_ = 0;
  int32_t screenPerInchY_ = 0;
  double horzScale_ = 1.0;
  double vertScale_ = 1.0;
  zDisplay* printer_ = nullptr;                       // during a job
  zTablePage current_;                                // the page being printed
  std::vector<std::pair<zRCFont, zRCFont>> fontMap_;  // screen font, printer font
};
