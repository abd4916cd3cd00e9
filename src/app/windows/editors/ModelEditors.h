// The three list editors of the current model: DChoices (the choices), DCriteria (the
// criteria and their weights) and DDecisionMakers (the decision makers and their
// weights). Each is a modeless MDI window over the model-definition viewer, opened by
// the main window's Choices, Criteria and DecisionMakers commands, at most one of each
// at a time; the window deletes itself when it closes.
//
// open() brings the kind's open editor to the front, or makes one over the current
// model; null when there is no model.
#pragma once

#include "app/windows/editors/ModelDefViewer.h"
#include "model/Item.h"

class zTableModel;

namespace PV {
namespace GUI {

// The tables: 254 choices in two columns; 56 criteria and 54 decision makers in three.
class ChoicesTable : public ItemTable {
 public:
  ChoicesTable(zWindow* parent, int32_t id, zTableModel* model);
};

class CriteriaTable : public WtItemTable {
 public:
  CriteriaTable(zWindow* parent, int32_t id, zTableModel* model);
};

class DecisionMakersTable : public WtItemTable {
 public:
  DecisionMakersTable(zWindow* parent, int32_t id, zTableModel* model);
};

class DChoices : public ModelDefViewer<Data::Choice> {
 public:
  static constexpr uint32_t kTemplate = IDD_CHOICES;
  static DChoices* open(zMDIAppFrame* mainWindow);
  static DChoices* instance() {
    return static_cast<DChoices*>(SingleDialogRef<ModelDefViewer<Data::Choice>>::instance());
  }
  explicit DChoices(zMDIAppFrame* mainWindow);

 protected:
  ItemTable* makeTable(zTableModel* model) override;
  List* modelList() const override;
  bool setList(const List& list, std::string* reason) override;
};

class DCriteria : public ModelDefViewer<Data::Criterion> {
 public:
  static constexpr uint32_t kTemplate = IDD_CRITERIA;
  static DCriteria* open(zMDIAppFrame* mainWindow);
  static DCriteria* instance() {
    return static_cast<DCriteria*>(SingleDialogRef<ModelDefViewer<Data::Criterion>>::instance());
  }
  explicit DCriteria(zMDIAppFrame* mainWindow);

 protected:
  ItemTable* makeTable(zTableModel* model) override;
  List* modelList() const override;
  bool setList(const List& list, std::string* reason) override;
};

class DDecisionMakers : public ModelDefViewer<Data::DecisionMaker> {
 public:
  static constexpr uint32_t kTemplate = IDD_DECISION_MAKERS;
  static DDecisionMakers* open(zMDIAppFrame* mainWindow);
  static DDecisionMakers* instance() {
    return static_cast<DDecisionMakers*>(SingleDialogRef<ModelDefViewer<Data::DecisionMaker>>::instance());
  }
  // The window's icon: the second decision-maker figure when set.
  static void setFemaleFigure(bool on) { femaleFigure_ = on; }
  explicit DDecisionMakers(zMDIAppFrame* mainWindow);

 protected:
  ItemTable* makeTable(zTableModel* model) override;
  List* modelList() const override;
  bool setList(const List& list, std::string* reason) override;

 private:
  static inline bool femaleFigure_ = false;
};

// Every open editor: the edit lock (all three kinds), the advance direction after an
// option changed, and whether any holds edits not yet in the model.
void setEditorsEditLock(bool lock);
void applyNavigationToEditors();
bool anyEditorDirty();

}  // namespace GUI
}  // namespace PV
