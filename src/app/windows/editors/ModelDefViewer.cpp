#include "app/windows/editors/ModelDefViewer.h"

#include "app/shared/ControlTips.h"
#include "app/shared/ModelWindowHost.h"
#include "foundation/Assert.h"
#include "framework/bars/zToolTip.h"
#include "framework/controls/zButton.h"
#include "framework/core/zFrameRedraw.h"
#include "framework/core/zResId.h"
#include "framework/core/zResources.h"
#include "framework/grid/zTableCell.h"
#include "framework/grid/zTableModel.h"
#include "model/AppOptions.h"
#include "model/DecisionModel.h"
#include "model/Functor.h"
#include "model/Item.h"
#include "model/Limits.h"
#include "xml/SystemText.h"

#include <algorithm>
#include <map>
#include <utility>

namespace PV {
namespace GUI {

const char* const kTableEntryError = "Table Entry Error";
const char* const kCancelChanges = "Cancel Changes";

namespace {

const zColor kNavy(0, 0, 128);
const zColor kRed(255, 0, 0);
const zColor kWhite(255, 255, 255);
constexpr const char* kNoWeight = "####";

const zStatusMessage kTips[] = {
    {kEditorOk, "Commit Table Updates And Exit"},
    {kEditorUpdate, "Commit Table Updates"},
    {kEditorCancel, "Cancel Changes"},
    {kEditorRevert, "Undo Recent Field Changes"},
    {kEditorCommit, "Commit Recent Field Changes"},
    {kEditorAutoUpdate, "Leaving Dialog Will Automatically Update In Memory Decision Model"},
    {kEditorAutoRecalc, "Clicking Update Button Recalculates Decision Model Solution"},
    {0, nullptr},
};

std::string rtrimmed(const std::string& text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

bool allBlanks(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

// ---- construction -------------------------------------------------------------------------

ModelDefViewerBase::ModelDefViewerBase(zMDIAppFrame* parent, const zResId& resource)
    : zMDIFormDialog(parent, resource), spec_(), host_(App::modelWindowHostOf(parent)) {
  deleteOnClose(1);
  char title[128] = {};
  if (handle()) GetWindowTextA(handle(), title, sizeof title);
  caption_ = title;
  PV_ASSERT(!caption_.empty());
  caption_ = "  " + caption_;
  setTitle(caption_.c_str());
}

void ModelDefViewerBase::build(const EditorSpec& spec) {
  PV_ASSERT(!built_);
  built_ = true;
  spec_ = spec;
  setIcon(new zIcon(zResId(spec_.iconId)));
  tableModel_ = new zTableSmallModel(spec_.columns, spec_.rows);
  itemTable_ = makeTable(tableModel_);
  itemTable_->setCellChangeHook(&ModelDefViewerBase::cellMoved, this);

  for (int32_t id : {kEditorOk, kEditorUpdate, kEditorRevert, kEditorCommit}) {
    zWindow* button = childById(id);
    if (!button) button = new zPushButton(this, id);
    if (id == kEditorOk) button->addCommandNotify(this, &ModelDefViewerBase::onOK);
    if (id == kEditorUpdate) button->addCommandNotify(this, &ModelDefViewerBase::onUpdate);
    if (id == kEditorRevert) button->addCommandNotify(this, &ModelDefViewerBase::onRevert);
    if (id == kEditorCommit) button->addCommandNotify(this, &ModelDefViewerBase::onCommit);
  }
  captionText_ = new zStaticText(this, kEditorCaption);
  captionFont_ = CreateFontA(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "System");
  if (captionText_->handle())
    SendMessageA(captionText_->handle(), WM_SETFONT, reinterpret_cast<WPARAM>(captionFont_), 0);
  captionText_->setTextColor(kWhite);
  captionText_->setBackgroundColor(kNavy);
  autoUpdate_ = new zCheckBox(this, kEditorAutoUpdate);
  if (spec_.autoRecalcBox) {
    autoRecalc_ = new zCheckBox(this, kEditorAutoRecalc);
  } else if (zWindow* box = childById(kEditorAutoRecalc)) {
    // The object goes with its window: a window destroyed alone leaves a child without one.
    delete box;
  } else if (HWND box = GetDlgItem(handle(), kEditorAutoRecalc)) {
    DestroyWindow(box);
  }
  setButtonBitmaps();
  itemTable_->createEditLine(kEditorEditLine);
  toolTips_ = attachToolTips(this, kTips);

  applyNavigationDefault();
  tableModel_->attachView(this, &ModelDefViewerBase::tableChanged);
  statusText_ = spec_.unlockedCaption;
  SetDlgItemTextA(handle(), kEditorCaption, statusText_.c_str());
  if (kindLocked()) lockViewer();
  modelToTable();
  center(1);
}

ModelDefViewerBase::~ModelDefViewerBase() {
  delete toolTips_;
  toolTips_ = nullptr;
  if (tableModel_) tableModel_->detachView(this, &ModelDefViewerBase::tableChanged);
  if (itemTable_) {
    itemTable_->setCellChangeHook(nullptr, nullptr);
    // The table views the model: it goes first.
    delete itemTable_;
    itemTable_ = nullptr;
  }
  delete tableModel_;
  for (HBITMAP b : bitmaps_) DeleteObject(b);
  if (captionFont_) DeleteObject(captionFont_);
}

App::ModelDocument* ModelDefViewerBase::document() const { return host_ ? &host_->document() : nullptr; }

void ModelDefViewerBase::joinHost(App::ModelWindow* window) {
  if (host_) host_->addModelWindow(window);
}

void ModelDefViewerBase::leaveHost(App::ModelWindow* window) {
  if (host_) host_->removeModelWindow(window);
}

void ModelDefViewerBase::setButtonBitmaps() {
  // The legends and the buttons show pictures on the dialog's own face colour.
  struct Place {
    int32_t id;
    uint32_t bitmap;
    bool button;
  } places[] = {{kEditorUndoLegend, kUndoLegendBitmap, false},
                {kEditorCommitLegend, kCommitLegendBitmap, false},
                {kEditorRevert, kRevertBitmap, true},
                {kEditorCommit, kCommitBitmap, true}};
  for (const Place& p : places) {
    HWND control = GetDlgItem(handle(), p.id);
    if (!control) continue;
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(p.bitmap), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    if (!bitmap) continue;
    bitmaps_.push_back(bitmap);
    if (p.button)
      SendMessageA(control, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    else
      SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  }
}

ItemTable* ModelDefViewerBase::itemTable() const {
  PV_ASSERT(itemTable_ != 0);
  return itemTable_;
}

// ---- the marker, the lock and the options ---------------------------------------------------

void ModelDefViewerBase::setModifiedMark(bool modified) {
  kindDirty() = modified;
  const char want = modified ? '*' : ' ';
  if (caption_.empty() || caption_[0] == want) return;
  caption_[0] = want;
  setTitle(caption_.c_str());
  // The caption alone: the table and the other children show what they showed.
  if (handle()) zRedrawFrame(handle(), false);
}

void ModelDefViewerBase::clearModified() {
  if (itemTable_) itemTable_->setModified(false);
  setModifiedMark(false);
}

void ModelDefViewerBase::showEditLocked() {
  statusText_ = spec_.lockedCaption;
  SetDlgItemTextA(handle(), kEditorCaption, statusText_.c_str());
  captionText_->setBackgroundColor(kRed);
  if (captionText_->handle()) InvalidateRect(captionText_->handle(), nullptr, TRUE);
}

void ModelDefViewerBase::showEditUnlocked() {
  statusText_ = spec_.unlockedCaption;
  SetDlgItemTextA(handle(), kEditorCaption, statusText_.c_str());
  captionText_->setBackgroundColor(kNavy);
  if (captionText_->handle()) InvalidateRect(captionText_->handle(), nullptr, TRUE);
}

// The lock changes how cells look, not what they hold: the marker stays as it was.
void ModelDefViewerBase::lockViewer() {
  if (!itemTable_) return;
  const bool dirty = kindDirty();
  itemTable_->lock();
  setModifiedMark(dirty);
  showEditLocked();
}

void ModelDefViewerBase::unlockViewer() {
  if (!itemTable_) return;
  const bool dirty = kindDirty();
  itemTable_->unlock();
  setModifiedMark(dirty);
  showEditUnlocked();
}

void ModelDefViewerBase::applyNavigationDefault() {
  if (!itemTable_) return;
  // "Flow LRD", "Down", "Right", "Left", "Up", "None".
  static const uint32_t kDirections[] = {ZTDIR_GORIGHT, ZTDIR_GODOWN, ZTDIR_GORIGHT,
                                         ZTDIR_GOLEFT,  ZTDIR_GOUP,   ZTDIR_NONE};
  const uint32_t option = AppOptions::instance()->get_cellInputAdvance();
  itemTable_->setDirection(option < 6 ? kDirections[option] : ZTDIR_GORIGHT);
}

bool ModelDefViewerBase::isAutoUpdate() const { return autoUpdate_ && autoUpdate_->checked() != 0; }

bool ModelDefViewerBase::isAutoRecalc() const { return autoRecalc_ && autoRecalc_->checked() != 0; }

void ModelDefViewerBase::setAutoUpdate(bool on) {
  if (autoUpdate_) autoUpdate_->setCheck(on ? 1 : 0);
}

void ModelDefViewerBase::setAutoRecalc(bool on) {
  if (autoRecalc_) autoRecalc_->setCheck(on ? 1 : 0);
}

// ---- model to table -------------------------------------------------------------------------------

bool ModelDefViewerBase::modelToTable() {
  PV_ASSERT(itemTable_ != 0);
  const std::vector<TableRow> rows = modelRows();
  const uint32_t capacity = itemTable_->getNumRows();
  // Each entry goes to its own row; one whose row is taken, out of range or out of
  // order takes the next free row, so that a file made elsewhere is shown whole.
  std::vector<bool> taken(capacity + 1, false);
  std::vector<uint32_t> placeOf(rows.size(), 0);
  for (size_t i = 0; i < rows.size(); ++i) {
    const uint32_t r = rows[i].row;
    if (r >= 1 && r <= capacity && !taken[r] && (i == 0 || r > rows[i - 1].row)) {
      taken[r] = true;
      placeOf[i] = r;
    }
  }
  uint32_t next = 1;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (placeOf[i]) continue;
    while (next <= capacity && taken[next]) ++next;
    if (next > capacity) break;  // more entries than rows: the table shows what fits
    taken[next] = true;
    placeOf[i] = next;
  }
  rowUids_.assign(capacity + 1, 0);
  for (size_t i = 0; i < rows.size(); ++i) {
    if (placeOf[i]) rowUids_[placeOf[i]] = rows[i].uid;
  }
  const uint32_t weights = itemTable_->weightsColumn();
  SendMessageA(itemTable_->handle(), WM_SETREDRAW, FALSE, 0);
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!placeOf[i]) continue;
    for (uint32_t k = 1; k <= rows[i].texts.size(); ++k) {
      const std::string text = XML::Utf8ToSystem(rows[i].texts[k - 1]);
      const zTableCellPos at(k, placeOf[i]);
      zTableCell* cell = tableModel_->cell(at);
      if (k == weights) {
        PV_ASSERT(cell != 0);
        cell->setText(text.c_str());
        tableModel_->cellChanged(at);
      } else if (!text.empty()) {
        if (cell)
          cell->setText(text.c_str());
        else
          new zTableFmtTextCell(tableModel_, text.c_str(), at);
        tableModel_->cellChanged(at);
      }
    }
  }
  // Filling is not an edit.
  tableModel_->detachView(this, &ModelDefViewerBase::tableChanged);
  tableModel_->notifyViews();
  tableModel_->attachView(this, &ModelDefViewerBase::tableChanged);
  SendMessageA(itemTable_->handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(itemTable_->handle(), nullptr, TRUE);
  itemTable_->resetEditLine();
  return true;
}

// ---- table to model ----------------------------------------------------------------------------------

uint32_t ModelDefViewerBase::uidForRow(uint32_t row, const std::vector<TableRow>& rows) const {
  const auto keptOf = [this](uint32_t r) { return r < rowUids_.size() ? rowUids_[r] : 0u; };
  if (const uint32_t kept = keptOf(row)) return kept;
  const auto held = [&](uint32_t id) {
    for (const TableRow& other : rows) {
      if (other.row != row && keptOf(other.row) == id) return true;
    }
    return false;
  };
  uint32_t id = row;
  while (id == 0 || held(id)) ++id;
  return id;
}

void ModelDefViewerBase::refuse(const std::string& text) {
  MessageBoxA(handle(), text.c_str(), kTableEntryError, MB_OK | MB_ICONINFORMATION);
}

bool ModelDefViewerBase::readTable(std::vector<TableRow>* rows) {
  ItemTable* table = itemTable();
  const uint32_t columns = spec_.columns;
  const uint32_t weights = table->weightsColumn();
  const std::string& nameHeader = table->columnHeader(ItemTable::kNameColumn);
  // The model's texts with letters the screen's code page lacks (they show as '?'), by
  // column and the form they show in: a cell still showing that form keeps the text
  // whole. A form two texts share is left out (empty), as the cell could be either.
  std::map<std::pair<uint32_t, std::string>, std::string> shownAs;
  for (const TableRow& entry : modelRows()) {
    for (uint32_t k = 1; k <= entry.texts.size(); ++k) {
      const std::string& text = entry.texts[k - 1];
      const std::string screen = XML::Utf8ToSystem(text);
      if (XML::SystemToUtf8(screen) == text) continue;
      const auto placed = shownAs.emplace(std::make_pair(k, rtrimmed(screen)), text);
      if (!placed.second && placed.first->second != text) placed.first->second.clear();
    }
  }
  for (uint32_t r = 1; r <= table->getNumRows(); ++r) {
    TableRow row{r, std::vector<std::string>(columns)};
    bool hasName = true;
    bool any = false;
    for (uint32_t k = 1; k <= columns; ++k) {
      const zTableCell* cell = tableModel_->cell(zTableCellPos(k, r));
      std::string text = cell ? cell->text() : "";
      if (k == weights) {
        // "####" is the picture of an empty weight; blanks around digits are no part
        // of the number.
        if (text == kNoWeight) text.clear();
        text.erase(std::remove(text.begin(), text.end(), '#'), text.end());
        if (allBlanks(text)) text.clear();
      }
      if (text.empty()) {
        if (k == 1) hasName = false;
        if (k == weights && hasName) row.texts[k - 1] = spec_.defaultWeight ? spec_.defaultWeight : "";
        continue;
      }
      any = true;
      if ((k == 1 && allBlanks(text)) || (k != 1 && !hasName)) {
        std::string message =
            "Incomplete Row #" + std::to_string(r) + " : A Description In Column \"" + nameHeader + "\" Is Required!";
        if (allBlanks(text)) message += "; Description is all spaces";
        refuse(message);
        return false;
      }
      if (k == weights) {
        std::string weight;
        if (!normaliseWeightText(text, &weight)) {
          refuse("Row #" + std::to_string(r) + " : The weight \"" + text + "\" Is Not A Whole Number From 0 To 9999!");
          return false;
        }
        row.texts[k - 1] = weight;
        continue;
      }
      const std::string kept = rtrimmed(text);
      const std::string why = table->refusalFor(k, kept);
      if (!why.empty()) {
        refuse("Row #" + std::to_string(r) + " : " + why);
        return false;
      }
      const auto shown = shownAs.find(std::make_pair(k, kept));
      row.texts[k - 1] = shown != shownAs.end() && !shown->second.empty() ? shown->second : XML::SystemToUtf8(kept);
    }
    if (hasName) rows->push_back(std::move(row));
    (void)any;
  }
  if (rows->size() > spec_.modelLimit) {
    refuse("The table holds " + std::to_string(rows->size()) + " " + spec_.listName + ", and a model holds at most " +
           std::to_string(spec_.modelLimit) + ". Please delete rows until " + std::to_string(spec_.modelLimit) +
           " or fewer remain.");
    return false;
  }
  return true;
}

bool ModelDefViewerBase::sameAsModel(const std::vector<TableRow>& rows) const {
  const std::vector<TableRow> model = modelRows();
  if (model.size() != rows.size()) return false;
  for (size_t i = 0; i < rows.size(); ++i)
    if (model[i].texts != rows[i].texts) return false;
  return true;
}

bool ModelDefViewerBase::tableToModel() {
  ItemTable* table = itemTable();
  if (!table->commitEdit()) return false;
  std::vector<TableRow> rows;
  if (!readTable(&rows)) return false;
  unchanged_ = sameAsModel(rows);
  if (!unchanged_) {
    std::string reason;
    if (!storeRows(rows, &reason)) {
      refuse(reason);
      return false;
    }
  }
  clearModified();
  return true;
}

bool ModelDefViewerBase::updateAndRecalc() {
  itemTable()->focusTable();
  const bool ok = tableToModel();
  if (!ok || !isAutoRecalc()) return false;
  return host_ ? host_->refreshSolutionWindow() : false;
}

// ---- buttons, closing and placement ------------------------------------------------------------------

int ModelDefViewerBase::onOK(zEvent*) {
  if (tableToModel()) {
    SendMessageA(handle(), WM_CLOSE, 0, 0);
  }
  return 1;
}

int ModelDefViewerBase::onUpdate(zEvent*) {
  updateAndRecalc();
  return 1;
}

int ModelDefViewerBase::onRevert(zEvent*) {
  itemTable()->resetEditLine();
  return 1;
}

int ModelDefViewerBase::onCommit(zEvent*) {
  itemTable()->commitEdit();
  return 1;
}

bool ModelDefViewerBase::mayCancel() {
  if (discarding_ || !itemTable_) return true;
  const bool typing = itemTable_->hasEditLine() && itemTable_->editLine()->modified();
  if (!kindDirty() && !typing) return true;
  return MessageBoxA(handle(), "The table holds changes that are not yet in the model. Close it and lose them?",
                     kCancelChanges, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void ModelDefViewerBase::closeWithoutCommit() {
  discarding_ = true;
  if (handle() && IsWindow(handle())) SendMessageA(handle(), WM_CLOSE, 0, 0);
}

// The main window's Edit commands and their accelerators (588 to 590).
bool ModelDefViewerBase::editCommandEnabled(uint32_t id) const {
  if (!itemTable_) return false;
  switch (id) {
    case 588:
      return itemTable_->commandAvailable(kCmCut);
    case 589:
      return itemTable_->commandAvailable(kCmCopy);
    case 590:
      return itemTable_->commandAvailable(kCmPaste);
    default:
      return false;
  }
}

bool ModelDefViewerBase::doEditCommand(uint32_t id) {
  if (!itemTable_) return false;
  switch (id) {
    case 588:
      return itemTable_->cut();
    case 589:
      return itemTable_->copy();
    case 590:
      return itemTable_->paste();
    default:
      return false;
  }
}

LRESULT ModelDefViewerBase::defProc(zEvent* event) {
  switch (event->message_) {
    case WM_MOUSEWHEEL:
      if (itemTable_) {
        inWheelScroll_ = true;
        const uint32_t direction = itemTable_->direction();
        itemTable_->setDirection(ZTDIR_GODOWN);
        const zTableCellPos at = itemTable_->currentCell();
        const short delta = static_cast<short>(HIWORD(event->wParam_));
        if (delta < 0 && at.row < itemTable_->getNumRows() && itemTable_->commitEdit()) itemTable_->moveDown();
        if (delta >= 0 && at.row > 1 && itemTable_->commitEdit()) itemTable_->moveUp();
        itemTable_->setDirection(direction);
        inWheelScroll_ = false;
        return 0;
      }
      break;
    default:
      break;
  }
  return zMDIFormDialog::defProc(event);
}

int ModelDefViewerBase::onMDIActivate(zEvent* event) {
  const bool deactivated =
      reinterpret_cast<HWND>(event->wParam_) == handle() && reinterpret_cast<HWND>(event->lParam_) != handle();
  if (deactivated && built_ && !discarding_ && isAutoUpdate()) {
    if (isAutoRecalc())
      updateAndRecalc();
    else
      tableToModel();
  }
  return zMDIFormDialog::onMDIActivate(event);
}

// ---- the table's callbacks ------------------------------------------------------------------------------

void ModelDefViewerBase::tableChanged(void* view, zTableModel*, const zTableCellRange*) {
  static_cast<ModelDefViewerBase*>(view)->setModifiedMark(true);
}

void ModelDefViewerBase::cellMoved(void* data, zTable*) { static_cast<ModelDefViewerBase*>(data)->onCellMove(); }

void ModelDefViewerBase::onCellMove() {
  if (inWheelScroll_ || !itemTable_) return;
  ItemTable* table = itemTable_;
  const zTableCellPos at = table->currentCell();
  const uint32_t last = table->notesColumn();
  if (table->hasEditLine()) table->editLine()->limitText(at.column == last ? 240 : 40);
  if (AppOptions::instance()->get_cellInputAdvance() != 0) return;
  // "Flow LRD": entry runs left to right along a row, then on at the next row's name.
  const bool userMoved = table->arrowMoved() || table->mouseClicked() || table->tabMoved() || table->shiftTabMoved();
  if (userMoved) {
    table->clearCursorFlags();
    table->setDirection(at.column == last && at.row < table->getNumRows() ? ZTDIR_GODOWN : ZTDIR_GORIGHT);
    return;
  }
  if (table->direction() == ZTDIR_GODOWN) {
    table->setDirection(ZTDIR_GORIGHT);
    table->setCurrentCell(zTableCellPos(ItemTable::kNameColumn, at.row));
  } else if (at.column == last && at.row < table->getNumRows()) {
    table->setDirection(ZTDIR_GODOWN);
  }
}

// ---- the kinds ----------------------------------------------------------------------------------------------

template <class T>
std::vector<TableRow> ModelDefViewer<T>::modelRows() const {
  std::vector<TableRow> rows;
  const List* list = modelList();
  if (!list) return rows;
  for (const T& entry : *list) {
    TableRow row{entry.get_row(), {}, entry.get_uid()};
    for (Data::Functor* f : functors_) row.texts.push_back(f->getValue(&entry));
    rows.push_back(std::move(row));
  }
  return rows;
}

template <class T>
bool ModelDefViewer<T>::storeRows(const std::vector<TableRow>& rows, std::string* reason) {
  List list;
  for (const TableRow& row : rows) {
    T entry;
    for (size_t k = 0; k < functors_.size() && k < row.texts.size(); ++k) {
      const std::string& text = row.texts[k];
      if (text.empty()) continue;
      std::string error;
      if (!functors_[k]->setValueChecked(&entry, text, "Row #" + std::to_string(row.row), error)) {
        *reason = error;
        return false;
      }
    }
    entry.set_row(static_cast<uint8_t>(row.row));
    entry.set_uid(this->uidForRow(row.row, rows));
    list.push_back(entry);
  }
  return setList(list, reason);
}

template class ModelDefViewer<Data::Choice>;
template class ModelDefViewer<Data::Criterion>;
template class ModelDefViewer<Data::DecisionMaker>;

}  // namespace GUI
}  // namespace PV
