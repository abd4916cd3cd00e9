// The edit lines that edit a grid's current cell. zTableEditLine is a formatted edit line
// bound to a grid: the keys that finish or cancel an edit go to the grid, which stores
// the text into its current cell and moves the current cell. It may stand anywhere beside
// the grid (an item table places one above its grid). zTableInplaceEditLine is the grid's
// own: a child of the grid, hidden until the first keystroke, then shown exactly over the
// cell it edits.
//
// Keys of a bound edit line: Enter stores the text and moves the current cell in the
// grid's advance direction; Esc puts the cell's text back; the up arrow stores and moves
// one row up; Tab stores and hands the focus to the next control (Shift: the previous
// one). The edit line asks for all keys, so inside a dialog Enter edits the cell rather
// than pressing the default button. With Alt held, characters go on unhandled so that
// menu accelerators work.
#pragma once

#include <cstdint>

#include "framework/format/zFormattedEdit.h"
#include "framework/grid/zTableTypes.h"

class zTable;

class zTableEditLine : public zFormattedEdit {
 public:
  // A multi-line, want-return edit line (added to the style) with no formatter.
  zTableEditLine(zWindow* parent, zSizer* sizer, uint32_t style, uint32_t value = 0);
  zTableEditLine(zWindow* parent, zSizer* sizer);
  // Lets go of its grid, which then has no edit line, and of the formatter the grid
  // handed it.
  ~zTableEditLine() override;

  LRESULT defProc(zEvent* event) override;
  int onChar(zEvent* event) override;

  zWindow* parentWindow() const { return parentWindow_; }
  zTable* grid() const { return grid_; }
  // Called by the grid when it binds or releases the edit line.
  void setGrid(zTable* grid) { grid_ = grid; }
  // The grid's current cell moved to pos.
  virtual void cellMoved(zTableCellPos pos);
  // An edit of the grid's current cell is in progress here.
  virtual bool editing() const;
  // The grid starts an edit here (the in-place line shows itself) or ends one.
  virtual void open() {}
  virtual void close() {}
  // Hands the key to the grid: 1 when it was one the grid takes.
  virtual int gridKey(zEvent* event);

  // Edits with the formatter of the cell's attribute (none: plain text); the formatter
  // stays the attribute's and is never deleted here.
  void useCellFormatter(zFormatter* formatter);

  bool locked() const { return locked_ != 0; }
  // While locked the window is disabled.
  void setLocked(uint32_t flag);

 protected:
  zWindow* parentWindow_;
  zTable* grid_;
  uint32_t locked_;
};

class zTableInplaceEditLine : public zTableEditLine {
 public:
  // Creates itself as a hidden child of the grid and binds itself to it.
  zTableInplaceEditLine(zTable* grid, uint32_t style = 0, uint32_t value = 0);

  bool shown() const { return shown_ != 0; }
  zTableCellPos position() const { return position_; }
  // Shows the edit line over the cell at its position, enabled unless locked.
  void open() override;
  // Hides it; the cell keeps its text.
  void close() override;

  void cellMoved(zTableCellPos pos) override;
  bool editing() const override { return shown_ != 0; }
  int gridKey(zEvent* event) override;
  int onFocus(zEvent* event) override;

 private:
  uint32_t shown_;
  zTableCellPos position_;
};
