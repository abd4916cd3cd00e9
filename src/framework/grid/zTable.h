// zTable: the grid window. A child window that shows the cells of a table model in rows
// and columns, with a row-header column, a column-header row and the corner where they
// meet, a current cell and a rectangular selection. Geometry is zTableLayout's; the
// cells draw themselves (zTableCell::draw) with the attributes that cover them.
//
// This is the view's first stage: painting (headers flat, raised or framed, empty cells,
// the background beyond the table), the current cell moved by the arrow keys and the
// mouse, the model's change notifications, and editing in place: a printable key opens an
// edit line over the current cell (its text bounded to kEditLimit characters), Enter
// stores the text through the model and advances, Esc leaves the cell as it was.
// Resizing by mouse, scroll bars and printing are not part of it yet.
#pragma once

#include <cstdint>

#include "framework/core/zChildWin.h"
#include "framework/draw/zDrawObj.h"
#include "framework/grid/zTableHeaderTexts.h"
#include "framework/grid/zTableLayout.h"
#include "framework/grid/zTableModel.h"

class zDisplay;

// Where the current cell goes after Enter commits an edit; other values stay put.
enum zTableDirection : uint32_t {
  ZTDIR_GOLEFT = 0,
  ZTDIR_GORIGHT = 1,
  ZTDIR_GOUP = 2,
  ZTDIR_GODOWN = 3,
  ZTDIR_NONE = 4,
};

enum zTableHeaderStyle : uint32_t {
  zTableHeaderFlat = 0,
  zTableHeaderRaised = 1,
  zTableHeaderFramed = 2,
};

class zTable : public zChildWin {
 public:
  // With a null model the table makes a 100 by 100 small model of its own and deletes it
  // with itself; a given model stays the caller's.
  zTable(zWindow* parent, zSizer* sizer, uint32_t style, zTableModel* model);
  // The form a dialog template's control uses: a 100 by 100 model of its own and an id.
  zTable(zWindow* parent, zSizer* sizer, uint32_t style, int flag, int32_t id);
  ~zTable() override;

  zTableModel* model() const { return model_; }
  zTableLayout& layout() { return layout_; }

  zTableCellPos currentCell() const { return current_; }
  void setCurrentCell(zTableCellPos pos);
  // The selection: the current cell and the anchor as a range (the current cell alone
  // without an anchor).
  zTableCellRange selectionRange() const;
  void setAnchor(zTableCellPos pos);

  uint32_t headerStyle() const { return headerStyle_; }
  void setHeaderStyle(uint32_t style) { headerStyle_ = style; }
  uint32_t headerTextMode(uint32_t part) const { return part < 3 ? textModes_[part] : 1; }
  void setHeaderTextMode(uint32_t part, uint32_t mode) {
    if (part < 3) textModes_[part] = mode;
  }
  void setHighlight(uint32_t first, uint32_t last, uint32_t part) {
    highFirst_ = first;
    highLast_ = last;
    highPart_ = part;
  }
  zTableHeaderTexts& rowTexts() { return rowTexts_; }
  zTableHeaderTexts& columnTexts() { return columnTexts_; }

  static constexpr int kEditLimit = 255;
  uint32_t direction() const { return direction_; }
  void setDirection(uint32_t d) { direction_ = d; }
  // The edit line while an edit is in progress, else null.
  HWND editHandle() const { return edit_; }
  // Opens the edit line over the current cell with the given text; nothing when the cell
  // is read-only.
  void beginEdit(const char* text);
  // Stores the edit line's text in the current cell and moves by the advance direction.
  void commitEdit();
  void cancelEdit();
  // Stores the edit line's text in the current cell without moving.
  void storeEdit();

  // Measures the font and lays the table out for the current client size.
  void calcLayout();
  void moveLeft();
  void moveRight();
  void moveUp();
  void moveDown();

  WNDCLASSA* classInfo() override;
  LRESULT defProc(zEvent* event) override;
  int onSize(zEvent* event) override;
  int onMouseButtonDown(zEvent* event) override;

  // Paints the part of the table inside update on d (a window or bitmap display).
  void draw(zDisplay* d, const zRect& update);
  virtual void drawHeaderCell(zDisplay* d, const zRect& r, uint32_t index, uint32_t part);
  virtual void drawEmptyCell(zDisplay* d, const zRect& r, ziTableEnv& env);

 private:
  static void modelChanged(void* view, zTableModel* model, const zTableCellRange* range);
  void invalidateCell(zTableCellPos pos);
  void fillBackground(zDisplay* d, const zRect& r);
  void makeColours();

  zTableModel* model_;
  bool ownsModel_;
  zTableLayout layout_;
  zTableCellPos current_{1, 1};
  zTableCellPos anchor_{0, 0};
  uint32_t headerStyle_ = zTableHeaderRaised;
  uint32_t textModes_[3] = {zTableHeaderNumber, zTableHeaderNumber, zTableHeaderNone};
  uint32_t highFirst_ = 2, highLast_ = 2, highPart_ = 2;
  zTableHeaderTexts rowTexts_;
  zTableHeaderTexts columnTexts_;
  zColor face_, highlight_, shadow_, darkShadow_;
  zPen* gridPen_ = nullptr;
  uint32_t direction_ = ZTDIR_GODOWN;
  HWND edit_ = nullptr;
  WNDPROC editProc_ = nullptr;
  static LRESULT CALLBACK editLineProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// The control type "zTable" for dialog templates: a table with a model of its own.
zWindow* zCreateTable(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
// Enters the grid's control type in the registry of control types (once per process).
void zRegisterGridControlTypes();
