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
#include <functional>
#include <string>
#include <vector>

#include "app/shared/ItemTable.h"
#include "framework/frames/zFormDialog.h"

class DModelHost;
class zStaticText;
class zCheckBox;
class zTableSmallModel;
class zToolTipCtrl;

namespace PV {
namespace Data {
class Functor;
}
namespace GUI {

// The controls the three editors share (dialog templates 559, 561, 562).
enum EditorControl : int32_t {
  kEditorTable = 109,
  kEditorOk = 110,
  kEditorUpdate = 111,
  kEditorCancel = 2,
  kEditorCommitLegend = 112,
  kEditorUndoLegend = 113,
  kEditorEditLine = 114,
  kEditorCaption = 115,
  kEditorRevert = 507,
  kEditorCommit = 508,
  kEditorAutoRecalc = 1011,
  kEditorAutoUpdate = 1012,
};

// The bitmaps of the revert and commit buttons and of the two legends.
enum EditorBitmap : uint32_t {
  kRevertBitmap = 509,
  kCommitBitmap = 510,
  kCommitLegendBitmap = 511,
  kUndoLegendBitmap = 512,
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

  // The main window's part: write before a save (false stops it), whether edits
  // wait, and closing without writing when the model goes.
  bool commitToModel() { return tableToModel(); }
  virtual bool isDirty() const = 0;
  void discard();

  void lockViewer();
  void unlockViewer();
  void applyNavigationDefault();

  bool isAutoUpdate() const;
  bool isAutoRecalc() const;
  void setAutoUpdate(bool on);
  const std::string& caption() const { return caption_; }
  const std::string& statusText() const { return statusText_; }

  // Handlers of the buttons (0: handled).
  int onOK(zEvent* event);
  int onUpdate(zEvent* event);
  int onRevert(zEvent* event);
  int onCommit(zEvent* event);

  // Where the main window hears of the editors: one opened or closed, the ranking to
  // compute again after an update with Auto Recalc (true when computed).
  static void setClosedHandler(std::function<void(ModelDefViewerBase*)> handler);
  static void setRecalcHandler(std::function<bool()> handler);

  LRESULT defProc(zEvent* event) override;
  int onMDIActivate(zEvent* event) override;
  void show(int cmd) override;

 protected:
  ModelDefViewerBase(zWindow* parent, const EditorSpec& spec);
  // Builds the controls, the table (made by makeTable over the model) and fills it;
  // the derived constructor calls it once the table's type is known.
  void build();
  virtual ItemTable* makeTable(zTableModel* model) = 0;

  // The model's list as rows (row number and the field texts of each entry).
  virtual std::vector<TableRow> modelRows() const = 0;
  // The rows into the model; false with the reason when the model refuses them.
  virtual bool storeRows(const std::vector<TableRow>& rows, std::string* reason) = 0;
  // Whether the rows equal the model's list, field by field.
  bool sameAsModel(const std::vector<TableRow>& rows) const;

  // The kind's class-wide state.
  virtual bool& kindDirty() const = 0;
  virtual bool kindLocked() const = 0;
  virtual WINDOWPLACEMENT& kindPlacement() const = 0;
  virtual bool& kindPlacementValid() const = 0;

  void setModifiedMark(bool modified);
  void clearModified();
  void showEditLocked();
  void showEditUnlocked();
  void refuse(const std::string& text);

 private:
  static void tableChanged(void* view, zTableModel* model, const zTableCellRange* range);
  static void cellMoved(void* data, zTable* table);
  void onCellMove();
  void savePlacement();
  void setButtonBitmaps();
  bool readTable(std::vector<TableRow>* rows);

  EditorSpec spec_;
  DModelHost* host_;
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
  bool inWheelScroll_ = false;
  bool placementSaved_ = false;
  bool placementRestored_ = false;
  bool discarding_ = false;
  bool built_ = false;
};

// One kind: T is the model's entry type (Choice, Criterion, DecisionMaker); the model
// vector and the math server's setter are reached through the two functions.
template <class T>
class ModelDefViewer : public ModelDefViewerBase {
 public:
  using List = std::vector<T>;

  ~ModelDefViewer() override {
    for (Data::Functor* f : functors_) delete f;
    if (instance_ == this) instance_ = nullptr;
    dirty_ = false;
  }

  // The open editor of the kind, or null.
  static ModelDefViewer* instance() { return instance_; }
  static bool isDirtyKind() { return dirty_; }
  bool isDirty() const override { return dirty_; }
  // Locks or unlocks the open editor and every one opened later.
  static void setEditLock(bool lock) {
    if (instance_ && instance_->built()) {
      if (lock && !instance_->itemTable()->isLocked()) instance_->lockViewer();
      if (!lock && instance_->itemTable()->isLocked()) instance_->unlockViewer();
    }
    editLock_ = lock;
  }
  static bool editLock() { return editLock_; }

 protected:
  ModelDefViewer(zWindow* parent, const EditorSpec& spec, std::vector<Data::Functor*> functors)
      : ModelDefViewerBase(parent, spec), functors_(std::move(functors)) {
    instance_ = this;
    if (!placement_.length) placement_.length = sizeof(WINDOWPLACEMENT);
  }

  // The model's list (null without a model) and the server's setter.
  virtual List* modelList() const = 0;
  virtual bool setList(const List& list, std::string* reason) = 0;

  std::vector<TableRow> modelRows() const override;
  bool storeRows(const std::vector<TableRow>& rows, std::string* reason) override;
  bool& kindDirty() const override { return dirty_; }
  bool kindLocked() const override { return editLock_; }
  WINDOWPLACEMENT& kindPlacement() const override { return placement_; }
  bool& kindPlacementValid() const override { return placementValid_; }
  bool built() const { return tableModel() != nullptr; }

 private:
  std::vector<Data::Functor*> functors_;
  static inline ModelDefViewer* instance_ = nullptr;
  static inline bool dirty_ = false;
  static inline bool editLock_ = false;
  static inline WINDOWPLACEMENT placement_ = {};
  static inline bool placementValid_ = false;
};

}  // namespace GUI
}  // namespace PV
