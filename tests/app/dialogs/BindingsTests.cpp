// Every control a model dialog binds by identifier is there in its template: a dialog
// that names an identifier its template lacks reports a control fault while it is
// built and holds an object without a window. One row per dialog of this library; the
// model windows' templates are checked in the scoring windows' suite, which links them.
#include <windows.h>

#include <functional>
#include <memory>

#include "DialogsTestSupport.h"
#include "app/dialogs/DAbout.h"
#include "app/dialogs/DAppOptions.h"
#include "app/dialogs/DModelOptions.h"
#include "app/dialogs/DModelProperties.h"
#include "app/dialogs/DNewModel.h"
#include "framework/controls/zControlReport.h"
#include "framework/core/zWindow.h"
#include "xml/PalvermontineAppOptsFile.h"

namespace {

class Bindings : public ModelDialogTest {};

// The main window as the application options dialog needs it: a host of the options.
using BindingsHostFrame = HostFrame;

struct DialogRow {
  const char* name;
  uint32_t templateId;
  std::function<zWindow*(zWindow* host)> make;
  int leastBound;  // the template's inputs, labels and buttons with an identifier
};

TEST_F(Bindings, EveryControlADialogBindsIsInItsTemplate) {
  makeModel(90.0, 10.0, 3, "Bound", "notes");
  const DialogRow rows[] = {
      {"new model", DNewModel::kTemplate, [](zWindow* host) { return new DNewModel(host); }, 12},
      {"model properties", DModelProperties::kTemplate, [](zWindow* host) { return new DModelProperties(host); }, 11},
      {"model options", DModelOptions::kTemplate, [](zWindow* host) { return new DModelOptions(host); }, 15},
      {"about", DAbout::kTemplate, [](zWindow* host) { return new DAbout(host); }, 10},
      {"application options", DAppOptions::kTemplate, [](zWindow* host) { return new DAppOptions(host); }, 37},
  };
  for (const DialogRow& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(row.templateId), RT_DIALOG), nullptr)
        << "the template is linked in";
    BindingsHostFrame host;
    const uint32_t faults = zControlFaultCount();
    std::unique_ptr<zWindow> dialog(row.make(&host));
    EXPECT_EQ(zControlFaultCount(), faults) << zLastControlFault();
    const int bound = expectBoundControlsInTemplate(*dialog);
    EXPECT_GE(bound, row.leastBound);
  }
  PV::XML::PalvermontineAppOptsFile::destroy();
}

}  // namespace
