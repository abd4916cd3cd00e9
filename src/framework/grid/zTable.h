// zTable: the grid window. A child window that shows the cells of a table model in rows
// and columns, with a row-header column, a column-header row and the corner where they
// meet, a current cell and a rectangular selection. Geometry is zTableLayout's; the
// cells draw themselves (zTableCell::draw) with the attributes that cover them.
//
// Painting (headers flat, raised or framed, empty cells, the background beyond the table);
// the current cell moved by the arrow keys, Home, End and the mouse; the model's change
// notifications; editing in place: a printable key opens an edit line over the current
// cell (its text bounded to kEditLimit characters), Enter stores the text through the
// model and advances, Esc leaves the cell as it was. Scroll bars move the first shown
// column and row in whole cells (ziTableScroller); every scroll stores an edit first.
// The mouse selects cells by dragging (the anchor follows the pointer, scrolling at the
// edges), selects whole rows, columns or the table on the headers, and resizes a row or
// column by dragging its header border: an XOR line follows the pointer, the cursor is
// confined to the header strip, and the release sets the size. Shift with the arrows
// extends the selection.
#pragma once

#include <cstdint>
#include <string>

#include "framework/core/zChildWin.h"
#include "framework/draw/zDrawObj.h"
#include "framework/grid/zTableHeaderTexts.h"
#include "framework/grid/zTableLayout.h"
#include "framework/grid/zTableModel.h"

class zDisplay;
class ziTableScroller;
class zTableEditLine;
class zTableInplaceEditLine;

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
  // Takes the place of the table child of parent with this id (one a dialog template
  // made): the same window place, style and id, every setting, the sizes and header
  // texts; with a null model it takes over the old table's model (and its ownership),
  // else it views the given one and the old table's own model goes. The old table is
  // destroyed. Without such a child the table is made with a 100 by 100 model of its own
  // and no place.
  zTable(zWindow* parent, int32_t id, zTableModel* model);
  ~zTable() override;

  zTableModel* model() const { return model_; }
  zTableLayout& layout() { return layout_; }
  const zTableLayout& layout() const { return layout_; }

  zTableCellPos currentCell() const { return current_; }
  // Sets the current cell with force: the selection and any header highlight go even
  // when the position is the current cell.
  void setCurrentCell(zTableCellPos pos) { setCurrent(pos, true); }
  // Moves the current cell (its column and row lowered to the counts), clears the
  // selection and the header highlight, brings the cell into view, calls the hooks, then
  // loads the edit line and paints. A hook may move the current cell on: the line is
  // loaded once, for the cell the moves end at.
  // Without force nothing happens when pos is the current cell.
  void setCurrent(zTableCellPos pos, bool force);
  // The selection: the current cell and the anchor as a range (the current cell alone
  // without an anchor).
  zTableCellRange selectionRange() const;
  zTableCellPos anchor() const { return anchor_; }
  void setAnchor(zTableCellPos pos);
  // Moves the anchor one step (each -1, 0 or 1), starting at the current cell when there
  // is none; a step that would leave the table is not taken. With notify the window is
  // updated and the selection hook called.
  void extendSelection(int32_t columnStep, int32_t rowStep, bool notify);
  // Makes the range the selection: the current cell at its start, the anchor at its end
  // (clamped to the table). A single cell becomes the current cell without selection.
  void selectRange(const zTableCellRange& range);
  // Whole rows (part 0), whole columns (part 1) or the whole table (part 2), as a click
  // or drag on the headers selects them; nothing with header selection off or beyond the
  // counts.
  void selectHeaderLines(uint32_t part, uint32_t first, uint32_t last);
  void selectHeaderLine(uint32_t part, uint32_t index) { selectHeaderLines(part, index, index); }
  bool headersHighlighted() const { return !(highPart_ == zTableHeaderCorner && highFirst_ == 2); }
  void clearHeaderHighlight();

  // Options (all on by default).
  bool multiCellSelection() const { return multiSel_; }
  void setMultiCellSelection(bool on) { multiSel_ = on; }
  bool headerSelection() const { return headerSel_; }
  void setHeaderSelection(bool on) { headerSel_ = on; }
  bool headerRangeSelection() const { return headerRangeSel_; }
  void setHeaderRangeSelection(bool on) { headerRangeSel_ = on; }
  bool rowsResizable() const { return rowsResizable_; }
  void setRowsResizable(bool on) { rowsResizable_ = on; }
  bool columnsResizable() const { return columnsResizable_; }
  void setColumnsResizable(bool on) { columnsResizable_ = on; }

  // Sizes of one row or column, or of every one from first to last in either order;
  // the table is laid out again and repainted.
  void setColumnWidth(uint32_t column, uint16_t width) { setColumnWidths(column, column, width); }
  void setRowHeight(uint32_t row, uint16_t height) { setRowHeights(row, row, height); }
  void setColumnWidths(uint32_t first, uint32_t last, uint16_t width);
  void setRowHeights(uint32_t first, uint32_t last, uint16_t height);

  // Hooks: called with their data and the table when the current cell moves, and when a
  // selection step, a selection by the program or a mouse selection ends.
  using Hook = void (*)(void* data, zTable* table);
  void setCellChangeHook(Hook hook, void* data) {
    cellHook_ = hook;
    cellHookData_ = data;
  }
  void setSelectionHook(Hook hook, void* data) {
    selectionHook_ = hook;
    selectionHookData_ = data;
  }

  // Scrolling in whole cells: shows firstColumn and firstRow first (as far as the table's
  // end allows), repaints what moved and sets the scroll bars.
  void scrollTo(uint32_t firstColumn, uint32_t firstRow);
  // Sets the scroll bars' ranges and thumbs from the counts and the layout. A thumb that
  // moves is drawn when the queue next runs (once for any number of moves meanwhile), so
  // that a key that scrolls paints its cells first.
  void syncScrollBars();
  uint32_t horzScrollShift() const { return zTableLayout::scrollShift(layout_.columnCount()); }
  uint32_t vertScrollShift() const { return zTableLayout::scrollShift(layout_.rowCount()); }
  // Drag state, for whoever watches a drag: 0 selecting cells, 1 resizing, 2 headers.
  int dragMode() const { return dragMode_; }

  // The colour of the lines between cells (the button face until set); repaints.
  void setGridColour(const zColor& colour);
  zColor gridColour() const { return gridColour_; }
  // Selected cells filled with this colour behind their own text colours, in place of
  // being drawn inverted (for a table whose text colours carry meaning); repaints.
  void setSelectionFill(const zColor& colour);
  bool hasSelectionFill() const { return selectionFilled_; }
  // The colour of the area beyond the last column and below the last row: the
  // application workspace's until a background colour is set.
  uint32_t setBackgroundColor(const zColor& color) override;

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
  // The edit line's window while an edit is in progress, else null.
  HWND editHandle() const;
  bool editing() const;
  // The edit line that edits the current cell: the one attached, else the table's own
  // in-place line once an edit has begun; null before.
  zTableEditLine* editLine() const { return editLine_; }
  // Binds the edit line to the table and loads the current cell into it. The table's
  // own in-place line is kept hidden meanwhile; an edit line attached before is let go.
  void attachEditLine(zTableEditLine* line);
  // The edit line is going away: the table forgets it.
  void detachEditLine(zTableEditLine* line);
  // Puts the current cell's text back into the edit line (cancelling an edit) and gives
  // the table the focus.
  void reloadEditLine();
  // Starts an edit of the current cell with the given text replacing the cell's: the
  // in-place line opens over the cell (made the first time), or an attached edit line
  // takes the focus. Nothing when the cell is read-only.
  void beginEdit(const char* text);
  // While an edit is in progress: stores it and moves by the advance direction.
  void commitEdit();
  // Stores the edit line's text and moves by the advance direction.
  void commitAndAdvance();
  // Stores the edit line's text and moves one step: 0 up, 1 down, 2 left, 3 right.
  void commitAndMove(int direction);
  void cancelEdit() { reloadEditLine(); }
  // Stores the edit line's text in the current cell without moving (nothing while the
  // in-place line is hidden, or on a read-only cell, or while the hooks of a move run,
  // before the line shows the new cell); the in-place line closes and, with takeFocus,
  // the table gets the focus.
  void storeEdit(bool takeFocus = true);
  // Whether the typed text may go into the cell; a refused text stays in the edit line
  // and the cell keeps its own. Every store of an edit asks (all texts by default).
  virtual bool acceptEdit(zTableCellPos pos, const std::string& text) {
    (void)pos;
    (void)text;
    return true;
  }
  // Where the cell lies in the table's client area.
  zRect cellRect(zTableCellPos pos) const { return layout_.cellRect(pos); }

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
  int onMouseMove(zEvent* event) override;
  int onMouseButtonUp(zEvent* event) override;

  // Paints the part of the table inside update on d (a window or bitmap display).
  void draw(zDisplay* d, const zRect& update);
  virtual void drawHeaderCell(zDisplay* d, const zRect& r, uint32_t index, uint32_t part);
  virtual void drawEmptyCell(zDisplay* d, const zRect& r, ziTableEnv& env);

 private:
  static void modelChanged(void* view, zTableModel* model, const zTableCellRange* range);
  void invalidateCell(zTableCellPos pos);
  void invalidateRange(const zTableCellRange& range);
  void invalidateHeaders(uint32_t part, uint32_t first, uint32_t last);
  void moveAnchorTo(zTableCellPos pos);
  void bringIntoView(zTableCellPos pos);
  void selectHeader(uint32_t index, uint32_t part);
  void dragHeaders(uint32_t index);
  void drawResizeLine(zPoint p);
  void endResize();
  void callHook(Hook hook, void* data) {
    if (hook) hook(data, this);
  }
  void initTable();
  bool onDialog() const;
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
  zColor gridColour_;
  zColor selectionFill_;
  bool selectionFilled_ = false;
  bool backgroundSet_ = false;
  bool gridColourSet_ = false;
  uint32_t direction_ = ZTDIR_GODOWN;
  bool multiSel_ = true, headerSel_ = true, headerRangeSel_ = true, rowsResizable_ = true, columnsResizable_ = true;
  Hook cellHook_ = nullptr, selectionHook_ = nullptr;
  void* cellHookData_ = nullptr;
  void* selectionHookData_ = nullptr;
  ziTableScroller* scroller_ = nullptr;
  bool syncing_ = false;
  // A thumb moved that no drawing of the frame has shown yet.
  bool thumbsPending_ = false;
  void drawMovedThumbs();
  int dragMode_ = 0;
  bool captured_ = false;
  uint32_t resizePart_ = 0, resizeIndex_ = 0;
  zPoint lastLine_;
  int cursorState_ = 0;  // 0 arrow, 1 row border, 2 column border
  uint32_t headerDragStart_ = 0;
  // Loads the current cell into the edit line; with keepShownText a line that shows the
  // cell's text as loaded and untouched since is not set again.
  void loadEditLine(bool keepShownText = false);
  void releaseEditLines();
  // Loads the new current cell into the edit line and tells it where the cell is.
  void followEditLine();
  bool editLineHasFocus() const;
  // The model changed: an edit line that is not being typed into shows the cell anew.
  void refreshEditLine();
  zTableEditLine* editLine_ = nullptr;
  zTableInplaceEditLine* inplace_ = nullptr;
  std::string loadedText_;  // the current cell's text as last loaded into the edit line
  zTableCellPos loadedAt_;   // the cell last loaded (0, 0: none, or typed over since)
  std::string loadedRaw_;    // that cell's text then
  // The current cell moved and its hooks run: the edit line still shows the cell before.
  bool lineBehind_ = false;
};

// The control type "zTable" for dialog templates: a table with a model of its own.
zWindow* zCreateTable(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
// Enters the grid's control type in the registry of control types, once for the process;
// the application does at its start.
void zRegisterGridControlTypes();
