#include "app/windows/editors/ModelEditors.h"

#include "app/document/ModelDocument.h"
#include "app/shared/ModelWindowHost.h"
#include "framework/grid/zTableModel.h"
#include "math/MathServer.h"
#include "model/DecisionModel.h"
#include "model/Limits.h"
#include "model/Transform.h"

namespace PV {
namespace GUI {

namespace {

using Data::Functor;
using Data::Item;
using Data::Transform;
using Data::WtItem;

constexpr uint32_t kChoicesIcon = 104;
constexpr uint32_t kCriteriaIcon = 102;
constexpr uint32_t kDmIcon = 290;
constexpr uint32_t kDmFemaleIcon = 291;

const EditorSpec kChoicesSpec = {DChoices::kTemplate, kChoicesIcon, 2,         254,
                                 PV_DATA_MAX_CHS,     "choices",    "Choices", "Create, Edit, or Delete Model Choices",
                                 "Choices Edit Lock", nullptr,      false};
const EditorSpec kCriteriaSpec = {DCriteria::kTemplate,
                                  kCriteriaIcon,
                                  3,
                                  56,
                                  PV_DATA_MAX_CRS,
                                  "criteria",
                                  "Criteria",
                                  "Create, Edit, or Delete Model Criteria",
                                  "Criteria Edit Lock (Weights Excluded)",
                                  "0",
                                  true};
const EditorSpec kDmSpec = {DDecisionMakers::kTemplate,
                            kDmIcon,
                            3,
                            54,
                            PV_DATA_MAX_DMS,
                            "decision makers",
                            "DecisionMakers",
                            "Create, Edit, or Delete Model Decision Makers",
                            "Decision Makers Edit Lock (Weights Excluded)",
                            "100",
                            true};

std::vector<Functor*> nameAndNotes() {
  return {new Transform<Item>(&Item::set_nm, &Item::get_nm), new Transform<Item>(&Item::set_note, &Item::get_note)};
}

std::vector<Functor*> nameWeightAndNotes() {
  return {new Transform<Item>(&Item::set_nm, &Item::get_nm),
          new Transform<WtItem>(&WtItem::set_wt, &WtItem::get_wt, Functor::DECIMAL),
          new Transform<Item>(&Item::set_note, &Item::get_note)};
}

template <class Editor, class T>
Editor* openEditor(zMDIAppFrame* mainWindow) {
  if (SingleDialogRef<ModelDefViewer<T>>::open()) return Editor::instance();
  App::ModelWindowHost* host = App::modelWindowHostOf(mainWindow);
  if (!host || !host->document().hasModel()) return nullptr;
  Editor* editor = new Editor(mainWindow);
  editor->show(SW_SHOWNORMAL);
  return editor;
}

}  // namespace

// ---- the tables ----------------------------------------------------------------------------

ChoicesTable::ChoicesTable(zWindow* parent, int32_t id, zTableModel* model) : ItemTable(parent, id, model) {
  setDirection(ZTDIR_GORIGHT);
  setColumnHeader(1, "Choices");
}

CriteriaTable::CriteriaTable(zWindow* parent, int32_t id, zTableModel* model) : WtItemTable(parent, id, model) {
  setDirection(ZTDIR_GORIGHT);
  setColumnHeader(1, "Criteria");
  setColumnHeader(2, "Weights");
}

DecisionMakersTable::DecisionMakersTable(zWindow* parent, int32_t id, zTableModel* model)
    : WtItemTable(parent, id, model) {
  setDirection(ZTDIR_GORIGHT);
  setColumnHeader(1, "DecisionMakers");
  setColumnHeader(2, "Weights");
}

// ---- the choices ---------------------------------------------------------------------------

DChoices::DChoices(zMDIAppFrame* mainWindow) : ModelDefViewer(mainWindow, kChoicesSpec, nameAndNotes()) {
  build(kChoicesSpec);
}

DChoices* DChoices::open(zMDIAppFrame* mainWindow) { return openEditor<DChoices, Data::Choice>(mainWindow); }

ItemTable* DChoices::makeTable(zTableModel* model) { return new ChoicesTable(this, kEditorTable, model); }

DChoices::List* DChoices::modelList() const {
  Data::DecisionModel* model = document() ? document()->model() : nullptr;
  return model ? &model->get_chs() : nullptr;
}

bool DChoices::setList(const List& list, std::string* reason) {
  return document() ? document()->setChoices(list, reason) : false;
}

// ---- the criteria --------------------------------------------------------------------------

DCriteria::DCriteria(zMDIAppFrame* mainWindow) : ModelDefViewer(mainWindow, kCriteriaSpec, nameWeightAndNotes()) {
  build(kCriteriaSpec);
}

DCriteria* DCriteria::open(zMDIAppFrame* mainWindow) { return openEditor<DCriteria, Data::Criterion>(mainWindow); }

ItemTable* DCriteria::makeTable(zTableModel* model) { return new CriteriaTable(this, kEditorTable, model); }

DCriteria::List* DCriteria::modelList() const {
  Data::DecisionModel* model = document() ? document()->model() : nullptr;
  return model ? &model->get_crs() : nullptr;
}

bool DCriteria::setList(const List& list, std::string* reason) {
  return document() ? document()->setCriteria(list, reason) : false;
}

// ---- the decision makers -----------------------------------------------------------------------

DDecisionMakers::DDecisionMakers(zMDIAppFrame* mainWindow) : ModelDefViewer(mainWindow, kDmSpec, nameWeightAndNotes()) {
  EditorSpec spec = kDmSpec;
  spec.iconId = femaleFigure_ ? kDmFemaleIcon : kDmIcon;
  build(spec);
}

DDecisionMakers* DDecisionMakers::open(zMDIAppFrame* mainWindow) {
  return openEditor<DDecisionMakers, Data::DecisionMaker>(mainWindow);
}

ItemTable* DDecisionMakers::makeTable(zTableModel* model) { return new DecisionMakersTable(this, kEditorTable, model); }

DDecisionMakers::List* DDecisionMakers::modelList() const {
  Data::DecisionModel* model = document() ? document()->model() : nullptr;
  return model ? &model->get_dms() : nullptr;
}

bool DDecisionMakers::setList(const List& list, std::string* reason) {
  return document() ? document()->setDecisionMakers(list, reason) : false;
}

// ---- all editors -----------------------------------------------------------------------------

void setEditorsEditLock(bool lock) {
  ModelDefViewer<Data::Choice>::setEditLock(lock);
  ModelDefViewer<Data::Criterion>::setEditLock(lock);
  ModelDefViewer<Data::DecisionMaker>::setEditLock(lock);
}

void applyNavigationToEditors() {
  if (auto* e = DChoices::instance()) e->applyNavigationDefault();
  if (auto* e = DCriteria::instance()) e->applyNavigationDefault();
  if (auto* e = DDecisionMakers::instance()) e->applyNavigationDefault();
}

bool anyEditorDirty() {
  return ModelDefViewer<Data::Choice>::isDirtyKind() || ModelDefViewer<Data::Criterion>::isDirtyKind() ||
         ModelDefViewer<Data::DecisionMaker>::isDirtyKind();
}

}  // namespace GUI
}  // namespace PV
