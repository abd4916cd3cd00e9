// zTable's side of editing: the edit line that edits the current cell, loading it from
// the cell and storing what was typed into the model.
#include <string>

#include "framework/grid/zTable.h"
#include "framework/format/zNumFormatter.h"
#include "framework/grid/zTableEditLine.h"

namespace {
std::string windowText(HWND w) {
  const int length = GetWindowTextLengthA(w);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(w, &text[0], length + 1)));
  return text;
}
}  // namespace

void zTable::releaseEditLines() {
  if (inplace_) delete inplace_;  // detaches itself
  if (editLine_) editLine_->setGrid(nullptr);
  editLine_ = nullptr;
}

void zTable::followEditLine() {
  if (!editLine_) return;
  loadEditLine();
  editLine_->cellMoved(current_);
}

void zTable::refreshEditLine() {
  if (editLine_ && !editing()) loadEditLine();
}

bool zTable::editLineHasFocus() const { return editLine_ && editLine_->handle() && GetFocus() == editLine_->handle(); }

HWND zTable::editHandle() const { return editing() ? editLine_->handle() : nullptr; }

bool zTable::editing() const { return editLine_ && editLine_->editing(); }

void zTable::attachEditLine(zTableEditLine* line) {
  if (line == editLine_) return;
  if (editLine_) {
    if (editLine_ == inplace_)
      inplace_->close();
    else
      editLine_->setGrid(nullptr);
  }
  editLine_ = line;
  if (!line) return;
  line->setGrid(this);
  loadEditLine();
  line->cellMoved(current_);
}

void zTable::detachEditLine(zTableEditLine* line) {
  if (inplace_ == line) inplace_ = nullptr;
  if (editLine_ == line) editLine_ = inplace_;
}

void zTable::loadEditLine(bool keepShownText) {
  if (!editLine_ || current_.column == 0 || current_.row == 0) return;
  ziTableEnv env(model_);
  env.collect(current_);
  const zTableCell* cell = model_->cell(current_);
  // A validated cell is edited through the formatter of the attribute over it.
  zFormatter* formatter = nullptr;
  if (cell && cell->hasKind(zTableCellValidated))
    formatter = cell->hasKind(zTableCellNumber) ? static_cast<zFormatter*>(env.numFormatter()) : env.formatter();
  editLine_->useCellFormatter(formatter);
  const char* raw = cell ? cell->text() : "";
  // A line that still shows the cell's text as loaded, untouched, keeps it when asked to.
  const bool shown = keepShownText && !formatter && loadedAt_ == current_ && loadedRaw_ == raw &&
                     windowText(editLine_->handle()) == loadedText_;
  if (!shown) {
    // Only a formatter inserts the text into an empty line; without one the text is set
    // once (each setting redraws the line and moves its caret).
    if (formatter) {
      editLine_->setText("");
      if (*raw && !editLine_->insertText(raw)) editLine_->setText(raw);
    } else {
      editLine_->setText(raw);
    }
    loadedText_ = windowText(editLine_->handle());
    loadedAt_ = current_;
    loadedRaw_ = raw;
  }
  editLine_->setLocked(env.readOnly() ? 1 : 0);
}

void zTable::reloadEditLine() {
  if (editLine_) {
    const bool wasOpen = editLine_ == inplace_ && inplace_->shown();
    editLine_->close();
    loadEditLine();
    if (wasOpen) invalidateCell(current_);
  }
  if (handle()) SetFocus(handle());
}

void zTable::beginEdit(const char* text) {
  if (!handle() || editing()) return;
  ziTableEnv env(model_);
  env.collect(current_);
  if (env.readOnly()) return;
  if (!editLine_) {
    // Attaches itself; the table's window takes it down with its other children.
    inplace_ = new zTableInplaceEditLine(this);
    if (!inplace_->handle()) {
      delete inplace_;
      return;
    }
  }
  HWND e = editLine_->handle();
  if (!e) return;
  // The typed text replaces the whole line: a line already showing the cell is not set
  // again first.
  loadEditLine(true);
  editLine_->cellMoved(current_);
  editLine_->open();
  // The text is cut to the edit's limit like typed text, so it is bounded as well.
  std::string typed(text ? text : "");
  const size_t limit = static_cast<size_t>(SendMessageA(e, EM_GETLIMITTEXT, 0, 0));
  if (limit > 0 && typed.size() > limit) typed.resize(limit);
  SendMessageA(e, EM_SETSEL, 0, -1);
  if (editLine_->formatter())
    editLine_->insertText(typed.c_str());  // the formatter may refuse it
  else
    SendMessageA(e, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(typed.c_str()));
  SetFocus(e);
}

void zTable::storeEdit(bool takeFocus) {
  // While a move's hooks run the line still holds the cell before, which the move has
  // stored (or dropped, as loading the new cell would).
  if (lineBehind_ || !editLine_ || !editLine_->handle() || current_.column == 0 || current_.row == 0) return;
  const bool inPlace = editLine_ == inplace_;
  if (inPlace && !inplace_->shown()) return;
  const std::string shown = windowText(editLine_->handle());
  // A line beside the table stores only what was typed into it, so a cell the model
  // changed meanwhile is not overwritten with the text loaded before.
  if (!inPlace && shown == loadedText_) return;
  const std::string text =
      editLine_->formatter() ? std::string(static_cast<const char*>(editLine_->unformattedText())) : shown;
  if (inPlace) {
    inplace_->close();
    if (takeFocus) SetFocus(handle());
    invalidateCell(current_);
  }
  ziTableEnv env(model_);
  env.collect(current_);
  if (env.readOnly()) return;
  // Text that is what the cell holds already changes nothing: no view is told.
  const zTableCell* before = model_->cell(current_);
  if (before ? text == before->text() : text.empty()) return;
  if (!acceptEdit(current_, text)) return;
  loadedText_ = shown;
  loadedAt_ = zTableCellPos(0, 0);  // the line shows what was typed, not what was loaded
  delete model_->setCellText(current_, text.c_str());
  model_->notifyViews();
}

void zTable::commitEdit() {
  if (editing()) commitAndAdvance();
}

void zTable::commitAndAdvance() {
  storeEdit();
  switch (direction_) {
    case ZTDIR_GOLEFT:
      moveLeft();
      break;
    case ZTDIR_GORIGHT:
      moveRight();
      break;
    case ZTDIR_GOUP:
      moveUp();
      break;
    case ZTDIR_GODOWN:
      moveDown();
      break;
    default:
      break;
  }
}

void zTable::commitAndMove(int direction) {
  storeEdit();
  switch (direction) {
    case 0:
      moveUp();
      break;
    case 1:
      moveDown();
      break;
    case 2:
      moveLeft();
      break;
    case 3:
      moveRight();
      break;
    default:
      break;
  }
}
