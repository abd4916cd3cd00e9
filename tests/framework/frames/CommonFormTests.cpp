#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "framework/frames/zCommonForms.h"

namespace {

const char* const kModelFilters[] = {"Models (*.xpv)", "*.xpv", "All Files (*.*)", "*.*", nullptr};

TEST(FileFormStart, DefaultExtensionAndInitialName) {
  struct Case {
    bool save;
    const char* initial;
    const char* const* filters;
    const char* name;
    bool hasExtension;
    const char* extension;
  };
  const Case cases[] = {
      {false, nullptr, kModelFilters, "", true, "*"},          {true, nullptr, kModelFilters, "", false, ""},
      {false, "*.xpv", kModelFilters, "*.xpv", true, "xpv"},   {true, "*.xpv", kModelFilters, "", true, "xpv"},
      {false, "model.xpv", nullptr, "model.xpv", true, "xpv"}, {true, "model.xpv", nullptr, "model.xpv", true, "xpv"},
      {false, "model", kModelFilters, "model", true, "*.xpv"}, {true, "model", kModelFilters, "model", false, ""},
      {false, "model", nullptr, "model", true, "*"},           {true, "model", nullptr, "model", false, ""},
      // Only the file's own extension counts: not a folder's full stop, nor an earlier one.
      {true, "C:\\Users\\j.smith\\plan.xpv", kModelFilters, "C:\\Users\\j.smith\\plan.xpv", true, "xpv"},
      {true, "C:\\v1.2\\plan", kModelFilters, "C:\\v1.2\\plan", false, ""},
      {false, "C:\\v1.2\\plan", kModelFilters, "C:\\v1.2\\plan", true, "*.xpv"},
      {true, "plan.v2.xpv", nullptr, "plan.v2.xpv", true, "xpv"},
  };
  for (const Case& c : cases) {
    char name[256];
    std::memset(name, 'x', sizeof name);
    const zFileFormStart start = ziFileFormStart(c.save, c.initial, c.filters, name, sizeof name);
    const std::string label = std::string(c.save ? "save " : "open ") + (c.initial ? c.initial : "null");
    EXPECT_STREQ(name, c.name) << label;
    EXPECT_EQ(start.hasDefaultExtension, c.hasExtension) << label;
    if (c.hasExtension) {
      EXPECT_EQ(start.defaultExtension, c.extension) << label;
    }
  }
}

TEST(FileFormStart, AnOverlongInitialNameIsCutToTheBuffer) {
  const std::string longName(1000, 'a');
  char buffer[260];
  std::memset(buffer, 'z', sizeof buffer);
  ziFileFormStart(false, longName.c_str(), nullptr, buffer, 256);
  EXPECT_EQ(std::strlen(buffer), 255u);
  EXPECT_EQ(buffer[256], 'z') << "nothing is written past the buffer";
  const std::string filter = ziFileFormFilter(nullptr);
  EXPECT_EQ(filter, std::string("All Files (*.*)\0*.*\0\0\0", 22));
  EXPECT_EQ(ziFileFormFilter(kModelFilters).size(), 14u + 1 + 5 + 1 + 15 + 1 + 3 + 1 + 2);
}

class CommonForms : public FrameworkTest {
 protected:
  void TearDown() override {
    cancelScheduled();
    FrameworkTest::TearDown();
  }
  // Presses Cancel in the thread's dialog box once it is shown, and remembers its caption.
  void cancelWhenShown(int tries = 100) {
    runAfter(100, [this, tries] {
      if (HWND box = findThreadDialogBox()) {
        char text[128] = {0};
        GetWindowTextA(box, text, sizeof text);
        caption_ = text;
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
      } else if (tries > 0) {
        cancelWhenShown(tries - 1);
      }
    });
  }
  std::string caption_;
};

TEST_F(CommonForms, ACancelledOpenFormReportsNoFile) {
  cancelWhenShown();
  zFileOpenForm form(nullptr, "Open a model", "*.xpv", kModelFilters);
  EXPECT_EQ(caption_, "Open a model");
  EXPECT_EQ(form.completed(), 0);
  EXPECT_STREQ(form.name(), "*.xpv");
}

TEST_F(CommonForms, ACancelledColourFormKeepsTheInitialColour) {
  cancelWhenShown();
  zColorSelForm form(nullptr, zColor(10, 20, 30));
  EXPECT_FALSE(caption_.empty());
  EXPECT_EQ(form.completed(), 0);
  EXPECT_EQ(form.color(), zColor(10, 20, 30));
  EXPECT_EQ(zColorSelForm::customColors()[0], 0xFFFFFFu);
}

}  // namespace
