// Every control a model dialog binds by identifier is there in its template: a dialog
// that names an identifier its template lacks reports a control fault while it is
// built and holds an object without a window. One row per dialog.
#include <windows.h>

#include <functional>
#include <memory>

#include "DialogsTestSupport.h"
#include "app/dialogs/DModelOptions.h"
#include "app/dialogs/DModelProperties.h"
#include "app/dialogs/DNewModel.h"
#include "framework/controls/zControlReport.h"
#include "framework/core/zWindow.h"

namespace {

class Bindings : public ModelDialogTest {};

struct DialogRow {
  const char* name;
  uint32_t templateId;
  std::function<zWindow*(zWindow* host)> make;
};

TEST_F(Bindings, EveryControlADialogBindsIsInItsTemplate) {
  makeModel(90.0, 10.0, 3, "Bound", "notes");
  const DialogRow rows[] = {
      {"new model", DNewModel::kTemplate, [](zWindow* host) { return new DNewModel(host); }},
      {"model properties", DModelProperties::kTemplate, [](zWindow* host) { return new DModelProperties(host); }},
      {"model options", DModelOptions::kTemplate, [](zWindow* host) { return new DModelOptions(host); }},
  };
  for (const DialogRow& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(row.templateId), RT_DIALOG), nullptr)
        << "the template is linked in";
    HostFrame host;
    const uint32_t faults = zControlFaultCount();
    std::unique_ptr<zWindow> dialog(row.make(&host));
    EXPECT_EQ(zControlFaultCount(), faults) << zLastControlFault();
    int bound = 0;
    zWindowDlistIter it(&dialog->children());
    while (zWindow* child = it.next()) {
      if (child->id() <= 0 || child->id() == 0xFFFF) continue;  // unnamed labels
      ++bound;
      EXPECT_EQ(GetDlgItem(dialog->handle(), child->id()), child->handle()) << "control " << child->id();
    }
    EXPECT_GT(bound, 10) << "the dialog's inputs, labels and buttons";
  }
}

}  // namespace
