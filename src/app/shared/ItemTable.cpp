#include "app/shared/ItemTable.h"

#include "app/shared/ModelTextField.h"

#include "foundation/Assert.h"
#include "framework/core/zPopupMenu.h"
#include "framework/core/zResId.h"
#include "framework/draw/zFont.h"
#include "framework/format/zNumFormatter.h"
#include "framework/frames/zCommonForms.h"
#include "framework/grid/zTableAttr.h"
#include "framework/grid/zTableCell.h"
#include "framework/grid/zTableDrawAttr.h"
#include "framework/layout/zSizer.h"
#include "model/LimitCheck.h"
#include "model/Limits.h"
#include "xml/SystemText.h"

#include <algorithm>
#include <cctype>

namespace PV {
namespace GUI {

const zColor kEditFocusColour(255, 255, 100);
const zColor kLockedCellColour(192, 192, 192);
const zColor kWeightColour(128, 0, 0);

namespace {

constexpr const char* kNotesHeader = "Notes";
constexpr const char* kNoWeight = "####";
constexpr size_t kWeightDigits = 4;
constexpr int32_t kNameChars = 40;
constexpr int32_t kNotesChars = 240;
const zColor kPreselected(0, 0, 255);
const zColor kBlack(0, 0, 0);

// What each column's width is measured from (the last one for "Notes").
const char* const kWidthSamples[] = {"56", "Price Performance Quality", "999",
                                     "Organization has Reliable, on time Service ..."};

bool keyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

std::string windowText(HWND window) {
  if (!window) return std::string();
  const int n = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(n) + 1, '\0');
  GetWindowTextA(window, &text[0], n + 1);
  text.resize(static_cast<size_t>(n));
  return text;
}

std::string trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

// ---- the rules of a cell's text ----------------------------------------------------

std::string refusalOfCellText(const std::string& screenText, const CellTextRule& rule) {
  const std::string utf8 = XML::SystemToUtf8(screenText);
  if (!Data::isUtf8Text(utf8) || !Data::hasOnlyXmlControls(utf8) || utf8.find_first_of("\t\r\n") != std::string::npos) {
    return std::string("The ") + rule.what + " holds a character that a model cannot store. Please remove it.";
  }
  if (utf8.size() > rule.maxBytes) {
    return std::string("The ") + rule.what + " is too long: it may hold " + std::to_string(rule.maxBytes) +
           " bytes, and letters such as accented ones take two or three. Please shorten it.";
  }
  return std::string();
}

bool normaliseWeightText(const std::string& text, std::string* weight) {
  const std::string digits = trimmed(text);
  if (digits.empty() || digits.size() > kWeightDigits) return false;
  for (char c : digits)
    if (c < '0' || c > '9') return false;
  const size_t first = digits.find_first_not_of('0');
  *weight = first == std::string::npos ? std::string("0") : digits.substr(first);
  return true;
}

// ---- the edit line ---------------------------------------------------------------------

ItemTableEditLine::ItemTableEditLine(zWindow* parent, zSizer* sizer, ItemTable* table)
    : zTableEditLine(parent, sizer, WS_TABSTOP | WS_BORDER), itemTable_(table), normal_(255, 255, 255) {
  PV_ASSERT(itemTable_ != 0);
  setBackgroundColor(normal_);
}

ItemTableEditLine::~ItemTableEditLine() {
  if (itemTable_) itemTable_->editLineGone();
}

bool ItemTableEditLine::shortcut(WPARAM key) {
  if (!itemTable_) return false;
  const bool ctrl = keyDown(VK_CONTROL), alt = keyDown(VK_MENU), shift = keyDown(VK_SHIFT);
  if (key == VK_TAB && !alt) {
    if (!itemTable_->commitEdit()) return true;
    if (ctrl)
      itemTable_->leaveTable(shift);
    else
      itemTable_->tabMove(shift);
    return true;
  }
  if (ctrl && !alt) {
    switch (key) {
      case 'T':
        itemTable_->focusTable();
        return true;
      case 'U':
        itemTable_->resetEditLine();
        itemTable_->focusEditLine();
        return true;
      case 'S':
        itemTable_->commitEdit();
        return true;
      case 'X':
      case 'C':
      case 'V':
        // The table's clipboard rules (weights normalised, the lock) hold here too.
        if (key == 'X') itemTable_->cut();
        if (key == 'C') itemTable_->copy();
        if (key == 'V') itemTable_->paste();
        return true;
      default:
        return false;
    }
  }
  if (key == VK_RETURN && !ctrl && !alt && itemTable_->currentCellLocked()) {
    itemTable_->tabMove(false);
    return true;
  }
  if (key == VK_RETURN && !ctrl && !alt) {
    // A text the cell refuses stays in the line, with the message shown.
    if (itemTable_->refusalFor(itemTable_->currentCell().column, itemTable_->lineText()).empty()) return false;
    itemTable_->commitEdit();
    return true;
  }
  if (alt && !ctrl && (key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT)) {
    if (!itemTable_->commitEdit()) return true;
    itemTable_->setArrowMoved();
    if (key == VK_UP) itemTable_->moveUp();
    if (key == VK_DOWN) itemTable_->moveDown();
    if (key == VK_LEFT) itemTable_->moveLeft();
    if (key == VK_RIGHT) itemTable_->moveRight();
    return true;
  }
  return false;
}

LRESULT ItemTableEditLine::defProc(zEvent* event) {
  if (!event) return 0;
  // Every paste into the line (the edit control's own menu, Shift+Insert) follows the
  // table's rules: the lock, weights normalised, names and notes cut to what the model
  // holds, with a word when cut.
  if (event->message_ == WM_PASTE && itemTable_) {
    itemTable_->paste();
    return 0;
  }
  if ((event->message_ == WM_KEYDOWN || event->message_ == WM_SYSKEYDOWN) && shortcut(event->wParam_)) return 0;
  if (event->message_ == WM_SYSCHAR && (event->wParam_ == 0 || keyDown(VK_MENU)) && !keyDown(VK_CONTROL)) {
    // Alt with an arrow leaves no character behind; other Alt keys go to the menus.
  }
  return zTableEditLine::defProc(event);
}

int ItemTableEditLine::onChar(zEvent* event) {
  const unsigned char c = static_cast<unsigned char>(event->wParam_);
  if (!itemTable_) return zTableEditLine::onChar(event);
  if (c == 27) {
    itemTable_->resetEditLine();
    itemTable_->focusEditLine();
    return 1;
  }
  if (c == '\r') enterMark_ = true;
  // A character the model cannot hold is refused as it is typed (the edit control
  // itself drops the other control characters).
  if (c == 0x7F || (c >= 32 && !keyDown(VK_CONTROL))) {
    const std::string why = refusalOfCellText(std::string(1, static_cast<char>(c)), {1, "text"});
    if (!why.empty() && why.find("character") != std::string::npos) {
      MessageBoxA(GetParent(handle()), why.c_str(), "Table Entry Error", MB_OK | MB_ICONINFORMATION);
      return 1;
    }
    // Typing stops where the model's bytes end, not only at the line's characters.
    const size_t bytes = itemTable_->cellByteLimit(itemTable_->currentCell().column);
    if (bytes != 0 && refuseTypedCharacter(handle(), static_cast<char>(c), bytes)) return 1;
    modified_ = true;
  }
  return zTableEditLine::onChar(event);
}

int ItemTableEditLine::onFocus(zEvent* event) {
  if (event->message_ == WM_SETFOCUS) {
    hasFocus_ = true;
    setBackgroundColor(kEditFocusColour);
  } else if (event->message_ == WM_KILLFOCUS) {
    hasFocus_ = false;
    lastLoss_ = kLineLostFocus;
    setBackgroundColor(normal_);
  }
  if (handle()) InvalidateRect(handle(), nullptr, TRUE);
  return zTableEditLine::onFocus(event);
}

// ---- the table -------------------------------------------------------------------------

ItemTable::ItemTable(zWindow* parent, int32_t id, zTableModel* model)
    : zTablePrintable(parent, id, model), numRows_(0), numCols_(0) {
  PV_ASSERT(parent != 0);
  PV_ASSERT(model != 0);
  setDirection(ZTDIR_GORIGHT);
  defaultBackground_ = zColor(255, 255, 255);
  defaultText_ = kBlack;
  defaultGridline_ = zColor::fromColorRef(GetSysColor(COLOR_BTNFACE));
  // Beyond the last column the table is the colour of its cells, not a dark block.
  setBackgroundColor(zColor::fromColorRef(GetSysColor(COLOR_WINDOW)));
  numCols_ = model->columnCount() + 1;
  numRows_ = model->rowCount();
  PV_ASSERT(numCols_ != 0);
  PV_ASSERT(numRows_ != 0);
  setHeaderTextMode(zTableHeaderColumns, zTableHeaderStored);
  setHeaderTextMode(zTableHeaderCorner, zTableHeaderStored);
  setColumnHeader(0, "ID");
  setColumnHeader(notesColumn(), kNotesHeader);
  model->addAttribute(new zTableTextColorAttr(kBlack, zTableCellRange(kNameColumn, 1, kNameColumn, numRows_)));
  model->addAttribute(new zTableTextColorAttr(kBlack, zTableCellRange(notesColumn(), 1, notesColumn(), numRows_)));
  show(SW_SHOWNORMAL);
}

ItemTable::~ItemTable() {
  // The edit line is the parent's child and may outlive the table; its font is its own.
  if (itel_) {
    itel_->setGrid(nullptr);
    itel_->tableGone();
  }
}

uint32_t ItemTable::getNumCols() const {
  PV_ASSERT(numCols_ != 0);
  return numCols_;
}

uint32_t ItemTable::getNumRows() const {
  PV_ASSERT(numRows_ != 0);
  return numRows_;
}

ItemTableEditLine* ItemTable::editLine() const {
  PV_ASSERT(itel_ != 0);
  return itel_;
}

void ItemTable::createEditLine(int32_t id) {
  zWindow* parent = this->parent();
  PV_ASSERT(parent != 0);
  // The line stands where the template put its field.
  RECT place = {0, 0, 200, 22};
  if (zWindow* field = parent->childById(id)) {
    GetWindowRect(field->handle(), &place);
    MapWindowPoints(nullptr, parent->handle(), reinterpret_cast<POINT*>(&place), 2);
    delete field;
  } else if (HWND field = GetDlgItem(parent->handle(), id)) {
    GetWindowRect(field, &place);
    MapWindowPoints(nullptr, parent->handle(), reinterpret_cast<POINT*>(&place), 2);
    DestroyWindow(field);
  }
  itel_ = new ItemTableEditLine(
      parent, new zSizer(place.left, place.top, place.right - place.left, place.bottom - place.top, nullptr), this);
  SetWindowLongPtrA(itel_->handle(), GWLP_ID, id);
  itel_->setId(id);
  // Between the table's neighbours in the tab order: right before the table.
  SetWindowPos(itel_->handle(), handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(handle(), itel_->handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  itel_->limitText(kNameChars);
  itel_->setFont(new zFont("Arial", zPrPoint(0, 100), FW_NORMAL), 0);
  itel_->show(SW_SHOWNORMAL);
  attachEditLine(itel_);
}

void ItemTable::setColumnHeader(uint32_t column, const char* label) {
  if (column >= sizeof headers_ / sizeof headers_[0]) return;
  headers_[column] = label ? label : "";
  columnTexts().setText(column, headers_[column].c_str());
  HDC dc = GetDC(handle());
  HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
  SIZE unit = {8, 16};
  GetTextExtentPoint32A(dc, "N", 1, &unit);
  auto widthOf = [&](const std::string& text) {
    SIZE s = {0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &s);
    return s.cx;
  };
  if (column == 0) {
    layout().setHeaderSize(zDimension(widthOf(headers_[0]) + 3 * unit.cx, static_cast<int32_t>(unit.cy * 3 / 2)));
  } else {
    const bool notes = column == numCols_ - 1;
    if (notes) PV_ASSERT(headers_[column] == kNotesHeader);
    const size_t samples = sizeof kWidthSamples / sizeof kWidthSamples[0];
    const std::string sample = kWidthSamples[notes || column >= samples ? samples - 1 : column];
    const std::string& measured = headers_[column].size() > sample.size() ? headers_[column] : sample;
    setColumnWidth(column, static_cast<uint16_t>(widthOf(measured) + 2 * unit.cx));
  }
  SelectObject(dc, old);
  ReleaseDC(handle(), dc);
  if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

const std::string& ItemTable::columnHeader(uint32_t column) const {
  static const std::string none;
  return column < sizeof headers_ / sizeof headers_[0] ? headers_[column] : none;
}

void ItemTable::focusEditLine() {
  if (itel_ && itel_->handle()) SetFocus(itel_->handle());
}

void ItemTable::focusTable() {
  if (handle()) SetFocus(handle());
}

void ItemTable::resetEditLine() {
  if (!itel_) return;
  const zTableCellPos at = currentCell();
  if (at.column == 0 || at.row == 0) {
    itel_->setText("");
    return;
  }
  const HWND focus = GetFocus();
  reloadEditLine();
  itel_->setModified(false);
  if (focus == itel_->handle()) focusEditLine();
}

size_t ItemTable::cellByteLimit(uint32_t column) const {
  if (column == 0 || isWeightsCell(zTableCellPos(column, 1))) return 0;
  return column == notesColumn() ? PV_DATA_NOTES_MAX_BYTES : PV_DATA_NM_MAX_BYTES;
}

std::string ItemTable::refusalFor(uint32_t column, const std::string& text) const {
  if (column == 0) return std::string();
  if (isWeightsCell(zTableCellPos(column, 1))) {
    std::string weight;
    // The line shows a weight through its picture; the '#' are no part of it.
    std::string digits = text;
    digits.erase(std::remove(digits.begin(), digits.end(), '#'), digits.end());
    const std::string t = trimmed(digits);
    if (t.empty() || t == kNoWeight || normaliseWeightText(t, &weight)) return std::string();
    return "A weight is a whole number from 0 to 9999.";
  }
  const bool notes = column == notesColumn();
  const CellTextRule rule = {notes ? PV_DATA_NOTES_MAX_BYTES : PV_DATA_NM_MAX_BYTES, notes ? "notes" : "name"};
  return refusalOfCellText(text, rule);
}

bool ItemTable::commitEdit() {
  if (!itel_ || !itel_->handle()) return true;
  const zTableCellPos at = currentCell();
  if (at.column == 0 || at.row == 0) return true;
  const std::string text = lineText();
  const zTableCell* cell = model()->cell(at);
  const std::string before = cell ? cell->text() : "";
  if (text == before || (isWeightsCell(at) && text == kNoWeight && before.empty())) return true;
  if (!acceptEdit(at, text)) return false;
  storeEdit(true);
  modified_ = true;
  return true;
}

bool ItemTable::acceptEdit(zTableCellPos pos, const std::string& text) {
  const std::string why = refusalFor(pos.column, text);
  if (why.empty()) return true;
  // While the box is up the grid may try to store again (the line loses the focus):
  // one box is enough.
  if (refusing_) return false;
  refusing_ = true;
  MessageBoxA(GetParent(handle()), why.c_str(), "Table Entry Error", MB_OK | MB_ICONINFORMATION);
  refusing_ = false;
  focusEditLine();
  return false;
}

bool ItemTable::isModified() const { return modified_ || (itel_ && itel_->modified()); }

void ItemTable::setModified(bool on) {
  modified_ = on;
  if (itel_) itel_->setModified(on);
}

// ---- the lock ----------------------------------------------------------------------------

void ItemTable::lock() {
  PV_ASSERT(isLocked_ == false);
  if (!lockAttrs_[0]) {
    const zTableCellRange names(kNameColumn, 1, kNameColumn, numRows_);
    const zTableCellRange notes(notesColumn(), 1, notesColumn(), numRows_);
    lockAttrs_[0] = new zTableReadOnlyAttr(names);
    lockAttrs_[1] = new zTableReadOnlyAttr(notes);
    lockAttrs_[2] = new zTableBackColorAttr(kLockedCellColour, names);
    lockAttrs_[3] = new zTableBackColorAttr(kLockedCellColour, notes);
  }
  for (zTableAttr* attr : lockAttrs_) model()->addAttribute(attr);
  isLocked_ = true;
  model()->notifyViews();
  resetEditLine();
  repaintAll();
}

void ItemTable::unlock() {
  PV_ASSERT(isLocked_ == true);
  for (zTableAttr* attr : lockAttrs_) model()->removeAttribute(attr);
  isLocked_ = false;
  model()->notifyViews();
  resetEditLine();
  repaintAll();
}

bool ItemTable::cellLocked(zTableCellPos pos) const { return isLocked_ && pos.column != 0 && !isWeightsCell(pos); }

void ItemTable::repaintAll() {
  if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

// ---- the clipboard ----------------------------------------------------------------------

bool ItemTable::clipboardHasText() const { return IsClipboardFormatAvailable(CF_TEXT) != 0; }

std::string ItemTable::clipboardText() const { return clipboardTextFor(handle()); }

std::string ItemTable::currentText() const { return itel_ ? windowText(itel_->handle()) : std::string(); }

std::string ItemTable::lineText() const {
  if (!itel_) return std::string();
  if (!itel_->formatter()) return windowText(itel_->handle());
  return std::string(static_cast<const char*>(itel_->unformattedText()));
}

bool ItemTable::cellHasValue() const {
  const std::string text = currentText();
  return !text.empty() && !(isWeightsCell(currentCell()) && text == kNoWeight);
}

bool ItemTable::clearClipboard() {
  if (!OpenClipboard(handle())) return false;
  EmptyClipboard();
  CloseClipboard();
  return true;
}

void ItemTable::selectAllOfLine() {
  const std::string text = currentText();
  size_t from = 0;
  if (isWeightsCell(currentCell())) {
    const size_t hash = text.find_last_of('#');
    if (hash != std::string::npos) from = hash + 1;
  }
  SendMessageA(itel_->handle(), EM_SETSEL, static_cast<WPARAM>(from), static_cast<LPARAM>(text.size()));
}

bool ItemTable::cut() {
  if (!itel_ || (isLocked_ && !isWeightsCell(currentCell()))) return false;
  if (itel_->hasFocus()) {
    DWORD from = 0, to = 0;
    SendMessageA(itel_->handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    if (from == to) return true;
    SendMessageA(itel_->handle(), WM_CUT, 0, 0);
    itel_->setModified(true);
    return true;
  }
  if (!cellHasValue()) return false;
  selectAllOfLine();
  SendMessageA(itel_->handle(), WM_CUT, 0, 0);
  commitEdit();
  return true;
}

bool ItemTable::copy() {
  if (!itel_) return false;
  if (itel_->hasFocus()) {
    DWORD from = 0, to = 0;
    SendMessageA(itel_->handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    if (from == to) return true;
    SendMessageA(itel_->handle(), WM_COPY, 0, 0);
    return true;
  }
  if (!cellHasValue()) return false;
  selectAllOfLine();
  SendMessageA(itel_->handle(), WM_COPY, 0, 0);
  return true;
}

bool ItemTable::paste() {
  if (!itel_) return false;
  const zTableCellPos at = currentCell();
  if (at.column == 0 || at.row == 0) return false;
  if (cellLocked(at)) return false;
  if (!clipboardHasText()) return false;
  const std::string text = clipboardText();
  if (isWeightsCell(at)) {
    std::string weight;
    if (!normaliseWeightText(text, &weight)) return false;
    itel_->setText(weight.c_str());
    itel_->setModified(true);
    return commitEdit();
  }
  // A cell's whole text is replaced unless the user is typing in the line; the paste
  // keeps what the model holds of it and says when it was cut.
  const bool typing = itel_->hasFocus();
  if (!typing) itel_->setText("");
  const bool notes = at.column == notesColumn();
  pasteFitting(itel_->handle(), cellByteLimit(at.column), notes ? "notes" : "name");
  itel_->setModified(true);
  if (typing) return true;
  return commitEdit();
}

// ---- clearing and rows ----------------------------------------------------------------------

zTableCellRange ItemTable::selectionOrCurrent() const { return selectionRange(); }

bool ItemTable::clearCell(zTableCellPos pos) {
  if (pos.column == 0 || pos.row == 0 || pos.column >= numCols_ || pos.row > numRows_) return false;
  if (cellLocked(pos)) return false;
  zTableCell* cell = model()->cell(pos);
  if (!cell || !*cell->text()) return false;
  delete model()->setCellText(pos, "");
  return true;
}

bool ItemTable::clear() {
  PV_ASSERT(multiCellSelection());
  const zTableCellRange r = selectionOrCurrent();
  bool cleared = false;
  for (uint32_t row = r.start.row; row <= r.end.row; ++row)
    for (uint32_t column = r.start.column; column <= r.end.column; ++column)
      cleared = clearCell(zTableCellPos(column, row)) || cleared;
  if (cleared) {
    modified_ = true;
    model()->notifyViews();
  }
  if (itel_ && !cellLocked(currentCell())) {
    itel_->setText("");
    resetEditLine();
  }
  return cleared;
}

uint32_t ItemTable::operationRow() const {
  if (isLocked_) return 0;
  const zTableCellRange r = selectionRange();
  const uint32_t row = r.start.row;
  if (row < 1 || row > numRows_) return 0;
  return row;
}

void ItemTable::replaceRow(uint32_t removed, uint32_t blank) {
  storeEdit(false);
  model()->removeRow(removed);
  model()->addRow(blank);
  model()->setSize(numCols_ - 1, numRows_);
  makeWeightCell(blank);
  modified_ = true;
  model()->notifyViews();
  setCurrentCell(currentCell());
  resetEditLine();
  repaintAll();
}

bool ItemTable::insertRow() {
  const uint32_t row = operationRow();
  if (row == 0) return false;
  // The last row falls off.
  replaceRow(numRows_, row);
  return true;
}

bool ItemTable::deleteRow() {
  const uint32_t row = operationRow();
  if (row == 0) return false;
  replaceRow(row, numRows_);
  return true;
}

// ---- colours and font --------------------------------------------------------------------

bool ItemTable::restoreDefaults() {
  const zTableCellRange r = selectionRange();
  model()->addAttribute(new zTableBackColorAttr(defaultBackground_, r));
  auto textOn = [&](uint32_t column, zColor colour) {
    if (column >= r.start.column && column <= r.end.column)
      model()->addAttribute(new zTableTextColorAttr(colour, zTableCellRange(column, r.start.row, column, r.end.row)));
  };
  textOn(kNameColumn, defaultText_);
  if (weightsColumn() != 0) textOn(weightsColumn(), kWeightColour);
  textOn(notesColumn(), defaultText_);
  // The lock's grey stays above what was restored.
  if (isLocked_) {
    model()->removeAttribute(lockAttrs_[2]);
    model()->removeAttribute(lockAttrs_[3]);
    model()->addAttribute(lockAttrs_[2]);
    model()->addAttribute(lockAttrs_[3]);
  }
  setGridColour(defaultGridline_);
  model()->notifyViews();
  repaintAll();
  return true;
}

bool ItemTable::chooseColour(uint32_t command) {
  zColorSelForm form(this, kPreselected);
  if (form.completed() != 1) return false;
  const zTableCellRange r = selectionRange();
  if (command == kCmBackground) model()->addAttribute(new zTableBackColorAttr(form.color(), r));
  if (command == kCmForeground) model()->addAttribute(new zTableTextColorAttr(form.color(), r));
  if (command == kCmGridline) setGridColour(form.color());
  model()->notifyViews();
  repaintAll();
  return true;
}

bool ItemTable::chooseFont() {
  zFontSelForm form(this, kPreselected, nullptr);
  zFontDescript* chosen = form.description();
  const bool confirmed = form.result() != 0 && chosen;
  if (confirmed) {
    const zTableCellRange r = selectionRange();
    model()->addAttribute(new zTableFontAttr(zRCFont(CreateFontIndirectA(&chosen->logFont), true), r));
    model()->addAttribute(new zTableTextColorAttr(form.color(), r));
    model()->notifyViews();
    repaintAll();
  }
  delete chosen;
  return confirmed;
}

// ---- commands, menu and keys ----------------------------------------------------------------

bool ItemTable::commandAvailable(uint32_t command) const {
  const bool hasValue = cellHasValue();
  const bool hasRow = operationRow() != 0;
  const bool lockedHere = isLocked_ && !isWeightsCell(currentCell());
  switch (command) {
    case kCmPaste:
      return clipboardHasText() && !lockedHere;
    case kCmClearClipboard:
      return clipboardHasText();
    case kCmCut:
    case kCmClear:
      return hasValue && !lockedHere;
    case kCmCopy:
      return hasValue;
    case kCmInsertRow:
    case kCmDeleteRow:
      return hasRow;
    case kCmBackground:
    case kCmForeground:
    case kCmFont:
      return !lockedHere && (hasRow || isLocked_);
    case kCmGridline:
      return !lockedHere;
    case kCmRestoreDefaults:
      return true;
    default:
      return false;
  }
}

void ItemTable::popupMenu(const zPoint& screenPoint) {
  HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kItemTableMenu));
  if (!bar) return;
  HMENU menu = GetSubMenu(bar, 0);
  for (uint32_t command : {kCmCut, kCmCopy, kCmPaste, kCmClear, kCmClearClipboard, kCmInsertRow, kCmDeleteRow,
                           kCmBackground, kCmForeground, kCmGridline, kCmRestoreDefaults, kCmFont}) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (commandAvailable(command) ? MF_ENABLED : MF_GRAYED));
  }
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                       screenPoint.x(), screenPoint.y(), 0, handle(), nullptr));
  DestroyMenu(bar);
  if (chosen) SendMessageA(handle(), WM_COMMAND, chosen, 0);
}

int ItemTable::onCommand(zEvent* event) {
  const uint32_t command = LOWORD(event->wParam_);
  if (!commandAvailable(command) && command != kCmClearClipboard) {
    switch (command) {
      case kCmCut:
      case kCmCopy:
      case kCmPaste:
      case kCmClear:
      case kCmInsertRow:
      case kCmDeleteRow:
      case kCmBackground:
      case kCmForeground:
      case kCmGridline:
      case kCmFont:
        return 1;  // refused: nothing happens
      default:
        return zTablePrintable::onCommand(event);
    }
  }
  switch (command) {
    case kCmCut:
      cut();
      return 1;
    case kCmCopy:
      copy();
      return 1;
    case kCmPaste:
      paste();
      return 1;
    case kCmClear:
      clear();
      return 1;
    case kCmClearClipboard:
      clearClipboard();
      return 1;
    case kCmInsertRow:
      insertRow();
      return 1;
    case kCmDeleteRow:
      deleteRow();
      return 1;
    case kCmBackground:
    case kCmForeground:
    case kCmGridline:
      chooseColour(command);
      return 1;
    case kCmRestoreDefaults:
      restoreDefaults();
      return 1;
    case kCmFont:
      chooseFont();
      return 1;
    default:
      return zTablePrintable::onCommand(event);
  }
}

void ItemTable::tabMove(bool back) {
  zTableCellPos at = currentCell();
  if (at.column < kNameColumn || at.row < 1) at = zTableCellPos(kNameColumn, 1);
  (back ? shiftTab_ : tab_) = true;
  for (;;) {
    if (!back) {
      if (at.column < notesColumn()) {
        at = zTableCellPos(at.column + 1, at.row);
      } else if (at.row < numRows_) {
        at = zTableCellPos(kNameColumn, at.row + 1);
      } else {
        leaveTable(false);
        return;
      }
    } else {
      if (at.column > kNameColumn) {
        at = zTableCellPos(at.column - 1, at.row);
      } else if (at.row > 1) {
        at = zTableCellPos(notesColumn(), at.row - 1);
      } else {
        leaveTable(true);
        return;
      }
    }
    if (!cellLocked(at)) {
      setCurrentCell(at);
      return;
    }
  }
}

void ItemTable::leaveTable(bool back) {
  zWindow* owner = parent();
  if (!owner || !owner->handle() || !handle()) return;
  const HWND line = itel_ ? itel_->handle() : nullptr;
  // The edit line stands right before the table in the tab order.
  HWND from = back && line ? line : handle();
  for (int guard = 0; guard < 256; ++guard) {
    const HWND next = GetNextDlgTabItem(owner->handle(), from, back ? TRUE : FALSE);
    if (!next || next == from) return;
    if (next != handle() && next != line) {
      SetFocus(next);
      return;
    }
    from = next;
  }
}

bool ItemTable::keyDown(WPARAM key) {
  const bool ctrl = ::PV::GUI::keyDown(VK_CONTROL), shift = ::PV::GUI::keyDown(VK_SHIFT),
             alt = ::PV::GUI::keyDown(VK_MENU);
  if (ctrl && key == 'X') return cut(), true;
  if (shift && !ctrl && key == VK_DELETE) return cut(), true;
  if (ctrl && (key == 'C' || key == VK_INSERT)) return copy(), true;
  if ((ctrl && key == 'V') || (shift && !ctrl && key == VK_INSERT)) return paste(), true;
  if (alt && key == VK_INSERT) return insertRow(), true;
  if (alt && key == VK_DELETE) return deleteRow(), true;
  if (key == VK_DELETE && !alt && !ctrl && !shift) return clear(), true;
  if (ctrl && key == 'E' && itel_) {
    focusEditLine();
    const int end = GetWindowTextLengthA(itel_->handle());
    SendMessageA(itel_->handle(), EM_SETSEL, end, end);
    return true;
  }
  if (key == VK_TAB && !alt) return ctrl ? leaveTable(shift) : tabMove(shift), true;
  // Enter on a cell the lock closes moves on as Tab does: it is no answer to the editor.
  if (key == VK_RETURN && !ctrl && !alt && cellLocked(currentCell())) return tabMove(shift), true;
  // Escape brings the current cell's text back into the edit line, as it does while
  // typing (after a paste too); it never leaves the table.
  if (key == VK_ESCAPE && !ctrl && !alt) return resetEditLine(), true;
  if (key == VK_APPS) {
    RECT r = {0, 0, 0, 0};
    const zRect cell = cellRect(currentCell());
    r.left = cell.left();
    r.top = cell.bottom();
    MapWindowPoints(handle(), nullptr, reinterpret_cast<POINT*>(&r), 1);
    popupMenu(zPoint(r.left, r.top));
    return true;
  }
  if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) arrowMove_ = true;
  return false;
}

LRESULT ItemTable::defProc(zEvent* event) {
  switch (event->message_) {
    case WM_GETDLGCODE: {
      // Escape belongs to the table too: in a dialog it would press Cancel and close
      // the editor with every row not yet stored.
      const MSG* msg = reinterpret_cast<const MSG*>(event->lParam_);
      const bool escape = msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) && msg->wParam == VK_ESCAPE;
      return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB | (escape ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (keyDown(event->wParam_)) return 0;
      break;
    case WM_CHAR:
      if (event->wParam_ == '\t' || event->wParam_ == 27) return 0;  // the key-down did the work
      break;
    case WM_CONTEXTMENU: {
      popupMenu(zPoint(static_cast<int16_t>(LOWORD(event->lParam_)), static_cast<int16_t>(HIWORD(event->lParam_))));
      return 0;
    }
    default:
      break;
  }
  return zTablePrintable::defProc(event);
}

int ItemTable::onMouseButtonDown(zEvent* event) {
  mouseClick_ = true;
  return zTablePrintable::onMouseButtonDown(event);
}

int ItemTable::onFocus(zEvent* event) {
  if (event->message_ == WM_KILLFOCUS && itel_) itel_->setTableLostFocus();
  return zTablePrintable::onFocus(event);
}

// ---- the weighted table ----------------------------------------------------------------------

WtItemTable::WtItemTable(zWindow* parent, int32_t id, zTableModel* model) : ItemTable(parent, id, model) {
  PV_ASSERT(numCols_ - 2 == 2);
  const zTableCellRange weights(2, 1, 2, numRows_);
  for (uint32_t row = 1; row <= numRows_; ++row) makeWeightCell(row);
  // The picture's '#' stay out of the edit line: a weight of 50 shows as "50", and a
  // number of fewer than four digits is whole (no placeholders, no filling of every
  // position).
  weightFormat_ = new zNumFormatter(zFmtSkipLiterals | zFmtEmptyValid, kNoWeight);
  model->addAttribute(new zTableNumFormatterAttr(weights, weightFormat_));
  model->addAttribute(new zTableTextAlignmentAttr(zTableAlignCentre, weights));
  model->addAttribute(new zTableTextColorAttr(kWeightColour, weights));
}

WtItemTable::~WtItemTable() {
  // The attribute over the weights and the edit line borrow the formatter; nothing
  // draws or edits a weight after this.
  if (hasEditLine()) editLine()->useCellFormatter(nullptr);
  delete weightFormat_;
}

void WtItemTable::makeWeightCell(uint32_t row) {
  const zTableCellPos at(2, row);
  if (zTableCell* old = model()->cell(at)) {
    if (old->hasKind(zTableCellValidated | zTableCellNumber) && old->hasKind(zTableCellNumber)) return;
    delete old;
  }
  new zTableValidatedFmtNumCell(model(), "", at);
}

}  // namespace GUI
}  // namespace PV
