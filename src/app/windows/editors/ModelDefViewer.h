// The model-definition viewer: the engine of the three list editors (choices,
// criteria, decision makers). It shows one list of the current model in an item
// table, one row per entry and one column per field, and writes the table back into
// the model, through the model's math server, after checking every row.
//
// Columns are bound to fields by field accessors, so one engine serves the three
// lists. Reading the table (tableToModel) refuses, with a "Table Entry Error" box
// and the model untouched:
//   - a row with notes or a weight but no name ("Incomplete Row #3 : ...");
//   - a name or notes the model cannot hold (too long, or a character it cannot
//     store), checked again here whatever the entry path was;
//   - a weight that is not a whole number 0 to 9999 ("00", "0007" are normalised);
//   - more rows than a model holds (10 choices, 7 criteria, 5 decision makers): the
//     message names the limit;
//   - a list the math server refuses (no choice at all), with the server's reason.
// A named row with an empty weight takes the list's default ("0" for criteria,
// "100" for decision makers). Rows keep their table row as row number and unique id,
// so the scores of surviving entries stay theirs when weights change under the lock.
//
// Filling the table (modelToTable) places each entry in the row its number gives; an
// entry whose row number is out of order, repeated or beyond the table (a file made
// elsewhere) goes into the next free row instead, so every entry is shown.
//
// Each kind keeps an edit lock (set by the main window, applied to an editor opened
// later), a dirty flag (the table holds edits not yet in the model; the caption then
// begins with '*'), at most one open window, and the place where its last window
// was closed during the run, where the next one opens. Closing by the window's close
// box writes the table first and stays open when that is refused; Cancel and
// discard() close without writing (discard: the model is being replaced).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/shared/ChildCommands.h"
#include "app/shared/ItemTable.h"
#include "app/shared/ModelWindow.h"
#include "app/shared/SingleDialogRef.h"
#include "app/shared/SmartWindow.h"
#include "app/windows/editors/res/editors_ids.h"
#include "framework/frames/zFormDialog.h"

class zStaticText;
class zCheckBox;
class zTableSmallModel;
class zToolTipCtrl;

namespace PV {
namespace App {
class ModelDocument;
class ModelWindowHost;
}  // namespace App
namespace Data {
class Functor;
}
namespace GUI {

// The controls the three editors' templates share.
enum EditorControl : int32_t {
  kEditorTable = IDC_EDITOR_TABLE,
  kEditorOk = IDC_EDITOR_OK,
  kEditorUpdate = IDC_EDITOR_UPDATE,
  kEditorCancel = IDCANCEL,
  kEditorCommitLegend = IDC_EDITOR_COMMIT_LEGEND,
  kEditorUndoLegend = IDC_EDITOR_UNDO_LEGEND,
  kEditorEditLine = IDC_EDITOR_EDIT_LINE,
  kEditorCaption = IDC_EDITOR_CAPTION,
  kEditorRevert = IDC_EDITOR_REVERT,
  kEditorCommit = IDC_EDITOR_COMMIT,
  kEditorAutoRecalc = IDC_EDITOR_AUTO_RECALC,
  kEditorAutoUpdate = IDC_EDITOR_AUTO_UPDATE,
};

// The bitmaps of the revert and commit buttons and of the two legends.
enum EditorBitmap : uint32_t {
  kRevertBitmap = IDB_EDITOR_REVERT,
  kCommitBitmap = IDB_EDITOR_COMMIT,
  kCommitLegendBitmap = IDB_EDITOR_COMMIT_LEGEND,
  kUndoLegendBitmap = IDB_EDITOR_UNDO_LEGEND,
};

// The caption of the box that refuses a table.
extern const char* const kTableEntryError;

// What differs between the three editors.
struct EditorSpec {
  uint32_t templateId;
  uint32_t iconId;
  uint32_t columns;        // of the table's model: name, [weights,] notes
  uint32_t rows;           // the table's capacity
  uint32_t modelLimit;     // entries a model holds
  const char* listName;    // "choices": named in the limit's message
  const char* nameHeader;  // "Choices"
  const char* unlockedCaption;
  const char* lockedCaption;
  const char* defaultWeight;  // of a named row with an empty weight; null without weights
  bool autoRecalcBox;         // the "Auto Recalc" box stays
};

// One row read from the table: its row number and the text of each field column.
struct TableRow {
  uint32_t row;
  std::vector<std::string> texts;  // UTF-8, as the model takes them
  uint32_t uid = 0;                // of the model's entry; 0 for a row read from the table
};

class ModelDefViewerBase : public zMDIFormDialog {
 public:
  ~ModelDefViewerBase() override;

  ItemTable* itemTable() const;
  zTableModel* tableModel() const { return tableModel_; }
  const EditorSpec& spec() const { return spec_; }

  bool modelToTable();
  // Checks the table and writes it into the model when it differs; false (with the
  // box shown) when refused.
  bool tableToModel();
  // The Update button: the table into the model; with Auto Recalc the ranking is
  // computed again through the recalculation handler.
  bool updateAndRecalc();
  // Whether the last tableToModel found the model's list equal to the table.
  bool unchanged() const { return unchanged_; }

  void lockViewer();
  void unlockViewer();
  void applyNavigationDefault();

  bool isAutoUpdate() const;
  bool isAutoRecalc() const;
  void setAutoUpdate(bool on);
  void setAutoRecalc(bool on);
  const std::string& caption() const { return caption_; }
  const std::string& statusText() const { return statusText_; }

  // Handlers of the buttons (1: handled).
  int onOK(zEvent* event);
  int onUpdate(zEvent* event);
  int onRevert(zEvent* event);
  int onCommit(zEvent* event);

  // The main window's Cut, Copy and Paste, carried out on the table.
  bool editCommandEnabled(uint32_t id) const;
  bool doEditCommand(uint32_t id);

  LRESULT defProc(zEvent* event) override;
  int onMDIActivate(zEvent* event) override;
  // Cancel with rows not yet in the model asks before it drops them.
  bool mayCancel() override;

 protected:
  // The open model the editor stores into (the host's); null without a host.
  App::ModelDocument* document() const;
  ModelDefViewerBase(zMDIAppFrame* parent, const zResId& resource);
  // Builds the controls, the table (made by makeTable over the model) and fills it;
  // the derived constructor calls it once the table's type is known.
  void build(const EditorSpec& spec);
  virtual ItemTable* makeTable(zTableModel* model) = 0;

  // The model's list as rows (row number and the field texts of each entry).
  virtual std::vector<TableRow> modelRows() const = 0;
  // The rows into the model; false with the reason when the model refuses them.
  virtual bool storeRows(const std::vector<TableRow>& rows, std::string* reason) = 0;
  // Whether the rows equal the model's list, field by field.
  bool sameAsModel(const std::vector<TableRow>& rows) const;
  // The unique id an entry stored from table row `row` takes among `rows`: the id of the
  // entry the row was filled with, so that the scores and solutions that name it stay
  // its own; for a new row its row number, or the next id no other row holds.
  uint32_t uidForRow(uint32_t row, const std::vector<TableRow>& rows) const;

  // The kind's class-wide state.
  virtual bool& kindDirty() const = 0;
  virtual bool kindLocked() const = 0;

  void setModifiedMark(bool modified);
  void clearModified();
  void showEditLocked();
  void showEditUnlocked();
  void refuse(const std::string& text);
  // Closing without writing: the model the window shows is going.
  void closeWithoutCommit();
  bool discarding() const { return discarding_; }
  bool isBuilt() const { return built_; }
  // The editor registers with the main window when made and is forgotten when it goes.
  void joinHost(App::ModelWindow* window);
  void leaveHost(App::ModelWindow* window);

 private:
  static void tableChanged(void* view, zTableModel* model, const zTableCellRange* range);
  static void cellMoved(void* data, zTable* table);
  void onCellMove();
  void setButtonBitmaps();
  bool readTable(std::vector<TableRow>* rows);

  EditorSpec spec_;
  App::ModelWindowHost* host_;
  zTableSmallModel* tableModel_ = nullptr;
  ItemTable* itemTable_ = nullptr;
  zStaticText* captionText_ = nullptr;
  zCheckBox* autoUpdate_ = nullptr;
  zCheckBox* autoRecalc_ = nullptr;
  zToolTipCtrl* toolTips_ = nullptr;
  std::vector<HBITMAP> bitmaps_;
  HFONT captionFont_ = nullptr;
  std::string caption_;
  std::string statusText_;
  bool unchanged_ = false;
  // The id of the model entry each table row was filled with (0: none), by row number.
  std::vector<uint32_t> rowUids_;
  bool inWheelScroll_ = false;
  bool discarding_ = false;
  bool built_ = false;
};

// One kind: T is the model's entry type (Choice, Criterion, DecisionMaker), which also
// names the kind's placement memory and its one open window.
template <class T>
class ModelDefViewer : public SmartWindow<T, ModelDefViewerBase, zMDIAppFrame>,
                       public SingleDialogRef<ModelDefViewer<T>>,
                       public App::ModelWindow,
                       public App::ChildCommands {
 public:
  using List = std::vector<T>;
  using Smart = SmartWindow<T, ModelDefViewerBase, zMDIAppFrame>;

  ~ModelDefViewer() override {
    for (Data::Functor* f : functors_) delete f;
    dirty_ = false;
    this->leaveHost(this);
  }

  static bool isDirtyKind() { return dirty_; }
  // Locks or unlocks the open editor and every one opened later.
  static void setEditLock(bool lock) {
    ModelDefViewer* open = SingleDialogRef<ModelDefViewer<T>>::instance();
    if (open && open->isBuilt()) {
      if (lock && !open->itemTable()->isLocked()) open->lockViewer();
      if (!lock && open->itemTable()->isLocked()) open->unlockViewer();
    }
    editLock_ = lock;
  }
  static bool editLock() { return editLock_; }

  // The main window's view of the editor.
  bool commitToModel() override { return this->tableToModel(); }
  bool isDirty() const override { return dirty_; }
  void discard() override { this->closeWithoutCommit(); }
  bool commandEnabled(uint32_t id) const override { return this->editCommandEnabled(id); }
  bool doCommand(uint32_t id) override { return this->doEditCommand(id); }

  void onShown(int) override {
    if (this->isBuilt()) this->itemTable()->focusTable();
  }
  bool commitData() override { return this->discarding() || !this->isBuilt() || this->tableToModel(); }

 protected:
  ModelDefViewer(zMDIAppFrame* parent, const EditorSpec& spec, std::vector<Data::Functor*> functors)
      : Smart(parent, zResId(spec.templateId)), functors_(std::move(functors)) {
    this->joinHost(this);
  }

  // The model's list (null without a model) and the server's setter.
  virtual List* modelList() const = 0;
  virtual bool setList(const List& list, std::string* reason) = 0;

  std::vector<TableRow> modelRows() const override;
  bool storeRows(const std::vector<TableRow>& rows, std::string* reason) override;
  bool& kindDirty() const override { return dirty_; }
  bool kindLocked() const override { return editLock_; }

 private:
  std::vector<Data::Functor*> functors_;
  static inline bool dirty_ = false;
  static inline bool editLock_ = false;
};

}  // namespace GUI
}  // namespace PV
