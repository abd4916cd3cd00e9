#include "DialogsTestSupport.h"

#include <cstring>

#include <windows.h>

#include <filesystem>

#include "factory/Factory.h"
#include "framework/core/zWindow.h"
#include "framework/frames/zDialogFrame.h"
#include "app/services/AppFolders.h"
#include "xml/PalvermontineMdlOptsFile.h"
#include "WindowImage.h"

void ModelDialogTest::SetUp() {
  FrameworkTest::SetUp();
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  char temp[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, temp);
  configDir_ = std::string(temp) + "pv_dialogs_" + std::to_string(GetCurrentProcessId()) + "_" + info->name();
  std::error_code ignored;
  std::filesystem::remove_all(configDir_, ignored);
  std::filesystem::create_directories(configDir_);
  SetEnvironmentVariableA(PV::App::CONFIG_DIR_ENV, configDir_.c_str());
  _putenv_s(PV::App::CONFIG_DIR_ENV, configDir_.c_str());
  PV::XML::setOptionsHome({configDir_, "tester"});
  PV::XML::PalvermontineMdlOptsFile::destroy();
  PV::Data::Factory::destroy();
}

void ModelDialogTest::TearDown() {
  cancelScheduled();
  PV::XML::PalvermontineMdlOptsFile::destroy();
  PV::Data::Factory::destroy();
  FrameworkTest::TearDown();
  std::error_code ignored;
  std::filesystem::remove_all(configDir_, ignored);
}

void ModelDialogTest::setOptionDefaults(double level, double interval, int scale, const char* note) {
  PV::XML::PalvermontineMdlOptsFile* file = PV::XML::PalvermontineMdlOptsFile::instance();
  PV::Data::ParmMdlOpts& p = file->options().get_parmMdlOpts();
  p.set_cfl(level);
  p.set_cfi(interval);
  p.set_sil(static_cast<uint8_t>(scale));
  p.set_note(note);
  ASSERT_TRUE(file->save());
}

PV::Data::DecisionModel* ModelDialogTest::makeModel(double level, double interval, int scale, const char* name,
                                                    const char* note) {
  PV::Data::ModelParameters params;
  params.set_cfi(interval);
  params.set_cfl(level);
  params.set_sil(static_cast<int8_t>(scale));
  PV::Data::DecisionModel* model = PV::Data::Factory::instance()->newModel(params, false);
  model->set_nm(name);
  if (note) model->set_note(note);
  return model;
}

void typeInto(HWND control, const std::string& text) {
  for (unsigned char c : text) SendMessageA(control, WM_CHAR, c, 1);
}

std::string textOf(HWND control) {
  char buffer[1024] = {0};
  GetWindowTextA(control, buffer, sizeof buffer);
  return buffer;
}

std::string selectedOf(HWND combo) {
  const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index < 0) return "";
  char buffer[256] = {0};
  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

bool chooseIn(HWND combo, const char* text) {
  const LRESULT index =
      SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
  if (index < 0) return false;
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  return true;
}

bool runModalWith(zDialogFrame* dialog, std::function<void()> step, unsigned deadlineMs) {
  runAfter(30, std::move(step));
  Deadline deadline(deadlineMs);
  dialog->runModal();
  return !deadline.hit();
}

namespace {

void pollForBox(std::string caption, int button, std::string* text, int triesLeft) {
  HWND box = findThreadDialogBox(caption.c_str());
  if (box) {
    if (text) {
      // The message is the box's static text.
      *text = "";
      for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = {0};
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextLengthA(child) > 0) *text += textOf(child);
      }
    }
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
    return;
  }
  if (triesLeft <= 0) return;
  runAfter(20, [=] { pollForBox(caption, button, text, triesLeft - 1); });
}

}  // namespace

void answerBox(const char* caption, int button, std::string* text) { pollForBox(caption, button, text, 200); }

std::string saveWindowPicture(HWND window, const char* fileName) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (int i = 0; i < 10; ++i) {
    pump();
    Sleep(20);
  }
  RECT r = {};
  GetWindowRect(window, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return "";
  char exe[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  const std::filesystem::path folder = std::filesystem::path(exe).parent_path() / "screenshots";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  const std::string path = (folder / fileName).string();
  return saveWindowImage(window, path.c_str()) ? path : std::string();
}

int expectBoundControlsInTemplate(zWindow& window) {
  int bound = 0;
  zWindowDlistIter it(&window.children());
  while (zWindow* child = it.next()) {
    if (child->id() <= 0 || child->id() == 0xFFFF) continue;  // unnamed labels
    ++bound;
    EXPECT_EQ(GetDlgItem(window.handle(), child->id()), child->handle()) << "control " << child->id();
  }
  return bound;
}
