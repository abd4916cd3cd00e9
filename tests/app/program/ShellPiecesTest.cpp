// The shell's Windows pieces in this process: the recent-files menu, the bitmap
// recolouring, the shell call's error box (answered from a driver thread with a
// deadline), the wait cursor and the one-instance holder with a real window.
#include "app/dialogs/GuiUtils.h"
#include "app/program/ShellServices.h"
#include "app/program/RecentFilesMenu.h"
#include "app/shared/SingleDialogRef.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;

std::string menuText(HMENU menu, UINT id) {
  char text[300] = {};
  GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
  return text;
}

TEST(RecentFilesMenu, ItemsFollowTheList) {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, temp);
  const fs::path list = fs::path(temp) / "pv-recent-menu.txt";
  fs::remove(list);
  HMENU menu = CreatePopupMenu();
  for (UINT id = 1043; id <= 1046; ++id) AppendMenuA(menu, MF_STRING, id, std::to_string(id - 1042).c_str());
  {
    PV::GUI::RecentFilesMenu recent(menu, nullptr, 1043, 1046, list.string());
    for (UINT id = 1043; id <= 1046; ++id) EXPECT_EQ(menuText(menu, id), "<Empty>");
    recent.addFile("C:\\models\\a.xpv");
    recent.addFile("C:\\models\\b.xpv");
    EXPECT_EQ(menuText(menu, 1043), "&1 C:\\models\\b.xpv");
    EXPECT_EQ(menuText(menu, 1044), "&2 C:\\models\\a.xpv");
    EXPECT_EQ(menuText(menu, 1045), "<Empty>");
    EXPECT_EQ(recent.pathForId(1), "C:\\models\\a.xpv");
    EXPECT_TRUE(recent.isEmpty(2));
  }
  std::stringstream s;
  {
    std::ifstream in(list, std::ios::binary);
    s << in.rdbuf();
  }
  EXPECT_EQ(s.str(), "C:\\models\\b.xpv\nC:\\models\\a.xpv\n<Empty>\n<Empty>\n");
  DestroyMenu(menu);
  fs::remove(list);
}

// A path with "&" in it shows whole in the menu (a lone "&" would vanish and mark the
// letter after it), and the list keeps the path itself.
TEST(RecentFilesMenu, AnAmpersandInAPathShowsAsItIs) {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, temp);
  const fs::path list = fs::path(temp) / "pv-recent-menu-ampersand.txt";
  fs::remove(list);
  HMENU menu = CreatePopupMenu();
  for (UINT id = 1043; id <= 1046; ++id) AppendMenuA(menu, MF_STRING, id, std::to_string(id - 1042).c_str());
  {
    PV::GUI::RecentFilesMenu recent(menu, nullptr, 1043, 1046, list.string());
    recent.addFile("C:\\Tom & Jerry\\R&D.xpv");
    EXPECT_EQ(menuText(menu, 1043), "&1 C:\\Tom && Jerry\\R&&D.xpv");
    EXPECT_EQ(recent.pathForId(0), "C:\\Tom & Jerry\\R&D.xpv");
  }
  DestroyMenu(menu);
  fs::remove(list);
}

TEST(GuiUtils, ReplaceBitmapColorTurnsOnlyTheReferenceColour) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 3);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF grey = RGB(128, 128, 128), blue = RGB(0, 0, 255), red = RGB(255, 0, 0);
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 3; ++y) SetPixel(dc, x, y, (x + y) % 2 ? blue : grey);
  SelectObject(dc, old);
  EXPECT_FALSE(PV::GUI::replaceBitmapColor(bitmap, red, 2, 0));  // not a corner reference
  ASSERT_TRUE(PV::GUI::replaceBitmapColor(bitmap, red));
  old = SelectObject(dc, bitmap);
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 3; ++y) EXPECT_EQ(GetPixel(dc, x, y), (x + y) % 2 ? blue : red) << x << "," << y;
  SelectObject(dc, old);
  // The opposite turns every other colour: blue becomes green, red stays.
  const COLORREF green = RGB(0, 160, 0);
  ASSERT_TRUE(PV::GUI::replaceOtherBitmapColors(bitmap, green));
  old = SelectObject(dc, bitmap);
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 3; ++y) EXPECT_EQ(GetPixel(dc, x, y), (x + y) % 2 ? green : red) << x << "," << y;
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

struct Find {
  const char* caption;
  HWND found;
};

BOOL CALLBACK findCaption(HWND w, LPARAM p) {
  auto* f = reinterpret_cast<Find*>(p);
  char title[128] = {};
  GetWindowTextA(w, title, sizeof title);
  if (lstrcmpA(title, f->caption) == 0 && IsWindowVisible(w)) {
    f->found = w;
    return FALSE;
  }
  return TRUE;
}

// The first visible window of thread with this caption, waited for up to 10 s; null when
// none came.
HWND waitForCaption(DWORD thread, const char* caption) {
  Find find = {caption, nullptr};
  const DWORD until = GetTickCount() + 10000;
  while (GetTickCount() < until && !find.found) {
    EnumThreadWindows(thread, findCaption, reinterpret_cast<LPARAM>(&find));
    if (!find.found) Sleep(20);
  }
  return find.found;
}

// Presses the button of the first window of thread with this caption; false when
// none came before the deadline. The box's text is kept.
bool answerBox(DWORD thread, const char* caption, int button, std::string* text) {
  Find find = {caption, nullptr};
  const DWORD until = GetTickCount() + 20000;
  while (GetTickCount() < until) {
    EnumThreadWindows(thread, findCaption, reinterpret_cast<LPARAM>(&find));
    if (find.found) {
      char body[512] = {};
      GetDlgItemTextA(find.found, 0xFFFF, body, sizeof body);
      *text = body;
      PostMessageA(find.found, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
      return true;
    }
    Sleep(20);
  }
  return false;
}

TEST(GuiUtils, ShellCallFailureIsShownAndReported) {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, temp);
  const fs::path file = fs::path(temp) / "pv-shell-test.pvnoassoc";
  { std::ofstream(file) << "x"; }
  std::string text;
  bool answered = false;
  const DWORD self = GetCurrentThreadId();
  std::thread driver([&] { answered = answerBox(self, "ShellExecute Error", IDOK, &text); });
  const bool ok = PV::GUI::shellExecute(file.string(), nullptr, "print");
  driver.join();
  fs::remove(file);
  EXPECT_FALSE(ok);
  ASSERT_TRUE(answered) << "no ShellExecute Error box";
  EXPECT_EQ(text, "There is no application associated with the given filename extension.");
}

// Every box of the program's message helper answers the keyboard: Enter its default
// button, Escape its Cancel, or No where a question has no Cancel. So does a box opened
// with MessageBox directly while the program's Escape rule lives (direct).
TEST(ShellServices, EveryBoxAnswersEnterAndEscape) {
  struct Case {
    UINT flags;
    WPARAM key;
    int answer;
    bool direct = false;
  } cases[] = {
      {MB_YESNO, VK_ESCAPE, IDNO, true},
      {MB_YESNO, VK_RETURN, IDYES, true},
      {MB_YESNO, VK_ESCAPE, IDNO},
      {MB_YESNO, VK_RETURN, IDYES},
      {MB_YESNO | MB_DEFBUTTON2, VK_RETURN, IDNO},
      {MB_YESNOCANCEL, VK_ESCAPE, IDCANCEL},
      {MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
  };
  const DWORD self = GetCurrentThreadId();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "flags " << c.flags << " key " << c.key << " direct " << c.direct);
    std::atomic<bool> keyed{false};
    std::thread driver([&] {
      Find find = {"Keyboard Box", waitForCaption(self, "Keyboard Box")};
      if (!find.found) return;
      Sleep(100);
      // The key as a person presses it: to the box's focused button.
      HWND button = nullptr;
      for (int id : {IDYES, IDOK, IDNO, IDCANCEL})
        if (!button && (GetWindowLongA(GetDlgItem(find.found, id), GWL_STYLE) & BS_DEFPUSHBUTTON))
          button = GetDlgItem(find.found, id);
      if (!button)
        button = GetDlgItem(find.found, IDYES) ? GetDlgItem(find.found, IDYES) : GetDlgItem(find.found, IDOK);
      PostMessageA(button, WM_KEYDOWN, c.key, 1);
      PostMessageA(button, WM_KEYUP, c.key, 0xC0000001);
      keyed = true;
      // A box that did not answer the key is closed after a while, so that no test waits.
      for (int i = 0; i < 150 && IsWindow(find.found); ++i) Sleep(20);
      if (IsWindow(find.found)) PostMessageA(find.found, WM_COMMAND, IDYES, 0);
    });
    int answer = 0;
    if (c.direct) {
      const PV::App::EscapeAnswersNo escape;
      answer = MessageBoxA(nullptr, "Pick one", "Keyboard Box", c.flags | MB_TASKMODAL);
    } else {
      answer = PV::App::showMessage(nullptr, "Pick one", "Keyboard Box", c.flags | MB_TASKMODAL);
    }
    driver.join();
    EXPECT_TRUE(keyed);
    EXPECT_EQ(answer, c.answer);
  }
}

// While the shell's program starts, the window that asked stays alive: a message sent to
// it from another thread is answered long before the watch ends. (A console program:
// the shell hands it the document at once, and the watch is the program's own.)
TEST(GuiUtils, WindowAnswersWhileTheViewerStarts) {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const fs::path bin = fs::path(path).parent_path();
  const HWND window = CreateWindowA("STATIC", "asker", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(window);
  std::atomic<bool> answered{false};
  std::thread sender([&] {
    Sleep(300);
    DWORD_PTR result = 0;
    answered = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 700, &result) != 0;
  });
  const std::string why = PV::GUI::showThroughShell("open", (bin / "fake_console_viewer.exe").string(),
                                                    "/linger 1500 /open \"" + (bin / "pv-linger.pdf").string() + "\"");
  sender.join();
  DestroyWindow(window);
  EXPECT_EQ(why, "");
  EXPECT_TRUE(answered) << "the window did not answer while the viewer started";
}

// A long caption over a short text shows whole: the box is wider than the caption's
// text in the caption font, and its button stays in the middle.
TEST(ShellServices, BoxShowsItsWholeCaption) {
  const char* caption = "Palvermontine: Warning - Model Definition Dialogs Incomplete, Long";
  PV::App::WholeBoxCaptions whole;
  const DWORD self = GetCurrentThreadId();
  int boxWidth = 0, textWidth = 0, buttonMiddle = 0, clientMiddle = 0;
  std::thread driver([&] {
    Find find = {caption, waitForCaption(self, caption)};
    if (!find.found) return;
    Sleep(100);
    RECT frame, client, button;
    GetWindowRect(find.found, &frame);
    GetClientRect(find.found, &client);
    GetWindowRect(GetDlgItem(find.found, IDOK), &button);
    MapWindowPoints(nullptr, find.found, reinterpret_cast<POINT*>(&button), 2);
    boxWidth = frame.right - frame.left;
    buttonMiddle = (button.left + button.right) / 2;
    clientMiddle = client.right / 2;
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    textWidth = size.cx;
    PostMessageA(find.found, WM_COMMAND, IDOK, 0);
  });
  MessageBoxA(nullptr, "Short.", caption, MB_OK | MB_TASKMODAL);
  driver.join();
  ASSERT_GT(textWidth, 0) << "no box";
  EXPECT_GT(boxWidth, textWidth + GetSystemMetrics(SM_CXSIZE));
  EXPECT_NEAR(buttonMiddle, clientMiddle, 3);
}

TEST(GuiUtils, WaitCursorRestoresThePreviousCursor) {
  const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  SetCursor(arrow);
  {
    PV::GUI::WaitCursor wait;
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
  }
  EXPECT_EQ(GetCursor(), arrow);
}

struct Viewer : PV::GUI::SingleDialogRef<Viewer> {
  HWND window = nullptr;
  HWND handle() const { return window; }
};

TEST(SingleDialogRefWindow, OpenShowsAndRestoresTheWindow) {
  Viewer viewer;
  viewer.window = CreateWindowA("STATIC", "viewer", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(viewer.window);
  ShowWindow(viewer.window, SW_SHOWMINNOACTIVE);
  ShowWindow(viewer.window, SW_HIDE);
  EXPECT_EQ(PV::GUI::SingleDialogRef<Viewer>::open(), &viewer);
  EXPECT_TRUE(IsWindowVisible(viewer.window));
  EXPECT_FALSE(IsIconic(viewer.window));
  DestroyWindow(viewer.window);
}

}  // namespace
