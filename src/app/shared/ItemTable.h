// The item tables: the editable grids on which the analyst types the lists of a
// decision model, one row per entry. Column 0 is the row header ("ID", the row
// number), column 1 the name, a weighted table has its weights in column 2, and the
// last column is always "Notes". Above the grid stands an edit line (yellow while it
// has the focus) that shows and edits the current cell.
//
// Entry is checked where it happens: a name longer than the model's 40 bytes, notes
// longer than its 240 bytes, or a character the model cannot hold are refused when
// the edit line is stored into the cell, with a message, and the cell keeps its text.
// A weight is whole digits, at most four ("####" is the picture of the cell); pasted
// weights are stripped of blanks and leading zeros (" 007 " becomes "7").
//
// The lock (set while the model's pairs are drawn) makes the name and notes columns
// read-only and grey; weights stay editable. Under the lock Clear leaves the locked
// cells alone and the row commands are refused, so the lists cannot change.
// Insert Row and Delete Row keep every row within the table's own capacity: the last
// row falls off at Insert, an empty one comes in at Delete.
//
// Commands of the table (pop-up menu 670, keys and the main window's Edit menu) answer
// whether they did anything; a refused command changes nothing and shows nothing.
#pragma once

#include <cstdint>
#include <string>

#include "app/shared/res/shared_ids.h"
#include "framework/draw/zDrawObj.h"
#include "framework/grid/zTableEditLine.h"
#include "framework/grid/zTablePrintable.h"

class zTableAttr;
class zTableReadOnlyAttr;
class zTableBackColorAttr;
class zFont;
class zNumFormatter;

namespace PV {
namespace GUI {

class ItemTable;

// The item tables' pop-up menu and its commands, as the resource script names them.
enum ItemTableCommand : uint32_t {
  kItemTableMenu = IDM_ITEM_TABLE,
  kCmCut = IDM_IT_CUT,
  kCmCopy = IDM_IT_COPY,
  kCmPaste = IDM_IT_PASTE,
  kCmClear = IDM_IT_CLEAR,
  kCmClearClipboard = IDM_IT_CLEAR_CLIPBOARD,
  kCmInsertRow = IDM_IT_INSERT_ROW,
  kCmDeleteRow = IDM_IT_DELETE_ROW,
  kCmBackground = IDM_IT_BACKGROUND,
  kCmForeground = IDM_IT_FOREGROUND,
  kCmGridline = IDM_IT_GRIDLINE,
  kCmRestoreDefaults = IDM_IT_RESTORE_DEFAULTS,
  kCmFont = IDM_IT_FONT,
};

// Colours of the editing surfaces.
extern const zColor kEditFocusColour;   // light yellow
extern const zColor kLockedCellColour;  // grey
extern const zColor kWeightColour;      // dark red

// What the model can hold of one cell: the limits of its text in the model's UTF-8,
// and the message that refuses a text (empty when the text is accepted). Portable.
struct CellTextRule {
  size_t maxBytes;   // of the model's UTF-8 text
  const char* what;  // "name", "notes": named in the message
};
// The typed (screen) text checked against the rule: empty when the model can hold it,
// else why not.
std::string refusalOfCellText(const std::string& screenText, const CellTextRule& rule);
// A weight as the table keeps it: blanks at both ends and leading zeros gone ("0" for
// zeros only); false when the text is empty, longer than four characters, or holds
// anything but decimal digits.
bool normaliseWeightText(const std::string& text, std::string* weight);

// The edit line above an item table.
class ItemTableEditLine : public zTableEditLine {
 public:
  enum LastFocusLoss : uint32_t { kNoLoss = 0, kTableLostFocus = 1, kLineLostFocus = 2 };

  ItemTableEditLine(zWindow* parent, zSizer* sizer, ItemTable* table);
  ~ItemTableEditLine() override;

  LRESULT defProc(zEvent* event) override;
  int onChar(zEvent* event) override;
  int onFocus(zEvent* event) override;

  bool enterMark() const { return enterMark_; }
  void clearEnterMark() { enterMark_ = false; }
  bool modified() const { return modified_; }
  void setModified(bool on) { modified_ = on; }
  bool hasFocus() const { return hasFocus_; }
  uint32_t lastFocusLoss() const { return lastLoss_; }
  void setTableLostFocus() { lastLoss_ = kTableLostFocus; }
  // The background the line shows now (the focus colour while it has the focus).
  zColor background() const { return hasFocus_ ? kEditFocusColour : normal_; }
  // The table went first (the line is its parent's child and may outlive it).
  void tableGone() { itemTable_ = nullptr; }

 private:
  bool shortcut(WPARAM key);

  ItemTable* itemTable_;
  zColor normal_;
  bool enterMark_ = false;
  bool modified_ = false;
  bool hasFocus_ = false;
  uint32_t lastLoss_ = kNoLoss;
  HBRUSH focusBrush_ = nullptr;
  HBRUSH normalBrush_ = nullptr;
};

class ItemTable : public zTablePrintable {
 public:
  // Takes the place of the grid child id of parent (made by the dialog template) and
  // shows the model, which stays the caller's. The model's columns are the name,
  // [the weights,] the notes; the edit line comes with createEditLine.
  ItemTable(zWindow* parent, int32_t id, zTableModel* model);
  ~ItemTable() override;

  // Makes the edit line at the place of the parent's control id (the template's edit
  // field, which it replaces) and binds it to the table.
  void createEditLine(int32_t id);
  ItemTableEditLine* editLine() const;
  bool hasEditLine() const { return itel_ != nullptr; }
  // The edit line went first.
  void editLineGone() { itel_ = nullptr; }

  uint32_t getNumCols() const;  // with the row-header column
  uint32_t getNumRows() const;
  uint32_t notesColumn() const { return numCols_ - 1; }
  // 0 for a plain table, the weights column's index for a weighted one.
  virtual uint32_t weightsColumn() const { return 0; }
  void setColumnHeader(uint32_t column, const char* label);
  const std::string& columnHeader(uint32_t column) const;

  void focusEditLine();
  void focusTable();
  // Loads the current cell into the edit line (empties it without a current cell).
  void resetEditLine();
  // Stores the edit line's text into the current cell; false (with a message shown)
  // when the cell refused it.
  bool commitEdit();
  // Refuses, with the box shown, a text the cell's column cannot hold.
  bool acceptEdit(zTableCellPos pos, const std::string& text) override;
  // The edit line's text as the cell takes it (a weight without its picture).
  std::string lineText() const;
  // Whether a text may go into a cell of the column: empty when yes, else why not.
  std::string refusalFor(uint32_t column, const std::string& text) const;
  // The model's bytes a cell of the column holds (0: no text limit of the model's, the
  // weights).
  size_t cellByteLimit(uint32_t column) const;

  bool isModified() const;
  void setModified(bool on);

  void lock();
  void unlock();
  bool isLocked() const { return isLocked_; }

  bool cut();
  bool copy();
  bool paste();
  bool clear();
  bool clearClipboard();
  bool insertRow();
  bool deleteRow();
  bool restoreDefaults();
  // The colour and font forms (background, text, gridline, font).
  bool chooseColour(uint32_t command);
  bool chooseFont();

  // Whether the pop-up command applies now (the menu greys the others).
  bool commandAvailable(uint32_t command) const;
  // Opens the pop-up menu at the screen point and runs the chosen command.
  void popupMenu(const zPoint& screenPoint);

  // The cursor flags that the viewer reads to steer the advance direction.
  bool arrowMoved() const { return arrowMove_; }
  bool mouseClicked() const { return mouseClick_; }
  bool tabMoved() const { return tab_; }
  bool shiftTabMoved() const { return shiftTab_; }
  void clearCursorFlags() { arrowMove_ = mouseClick_ = tab_ = shiftTab_ = false; }
  void setArrowMoved() { arrowMove_ = true; }

  // Tab (forward) or Shift+Tab (back): to the next (previous) cell that can be edited,
  // along the row and on to the next (previous) row, so that under the lock Tab walks
  // the weights; past the table's last (first) such cell, out of the table to the
  // editor's next (previous) control, as Ctrl+Tab always does.
  void tabMove(bool back);
  // The focus to the editor's control after (before) the table and its edit line.
  void leaveTable(bool back);
  // Whether the current cell is closed to edits by the lock.
  bool currentCellLocked() const { return cellLocked(currentCell()); }

  LRESULT defProc(zEvent* event) override;
  int onCommand(zEvent* event) override;
  int onMouseButtonDown(zEvent* event) override;
  int onFocus(zEvent* event) override;

  // Bounds of the table (a row of an operation lies within them).
  static constexpr uint32_t kNameColumn = 1;

 protected:
  // The row of a row command: none (0) while locked; the current cell's row, or the
  // selection's first row.
  uint32_t operationRow() const;
  // Takes row `removed` out and puts a blank row in at `blank`, so that the table keeps
  // its capacity; inserting and deleting a row differ only in the two rows.
  void replaceRow(uint32_t removed, uint32_t blank);
  // A new empty weights cell for the row (weighted tables).
  virtual void makeWeightCell(uint32_t row) { (void)row; }
  void repaintAll();

  uint32_t numRows_;
  uint32_t numCols_;

 private:
  bool keyDown(WPARAM key);
  bool isWeightsCell(zTableCellPos pos) const { return weightsColumn() != 0 && pos.column == weightsColumn(); }
  bool cellHasValue() const;
  std::string currentText() const;
  bool clearCell(zTableCellPos pos);
  bool cellLocked(zTableCellPos pos) const;
  std::string clipboardText() const;
  bool clipboardHasText() const;
  void selectAllOfLine();
  zTableCellRange selectionOrCurrent() const;

  ItemTableEditLine* itel_ = nullptr;
  std::string headers_[8];
  bool arrowMove_ = false;
  bool mouseClick_ = false;
  bool tab_ = false;
  bool shiftTab_ = false;
  bool modified_ = false;
  bool isLocked_ = false;
  bool refusing_ = false;
  zColor defaultBackground_;
  zColor defaultText_;
  zColor defaultGridline_;
  zTableAttr* lockAttrs_[4] = {nullptr, nullptr, nullptr, nullptr};
};

// An item table with weights in column 2: four-digit whole numbers ("####"), centred,
// dark red; every weights cell is a validated number cell.
class WtItemTable : public ItemTable {
 public:
  WtItemTable(zWindow* parent, int32_t id, zTableModel* model);
  ~WtItemTable() override;
  uint32_t weightsColumn() const override { return 2; }

 protected:
  void makeWeightCell(uint32_t row) override;

 private:
  zNumFormatter* weightFormat_ = nullptr;
};

}  // namespace GUI
}  // namespace PV
