#include <windows.h>

#include <filesystem>

#include "DialogsTestSupport.h"
#include "app/dialogs/DAbout.h"
#include "app/services/AboutInfo.h"
#include "framework/draw/zDisplay.h"
#include "framework/draw/zFont.h"

namespace {

using PV::Util::PalvermontineAboutInfo;

class About : public ModelDialogTest {};

std::string clipboardText(HWND owner) {
  std::string text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

TEST_F(About, ShowsTheIdentityAndCopiesItsThreePartsInOrder) {
  const PalvermontineAboutInfo& info = *PalvermontineAboutInfo::instance();
  HostFrame host;
  DAbout dialog(&host);
  EXPECT_EQ(textOf(dialog.handle()), "About Palvermontine");
  EXPECT_EQ(textOf(item(dialog, DAbout::kProductName)), "Palvermontine");
  EXPECT_EQ(textOf(item(dialog, DAbout::kCompanyLabel)), "Company Information:");
  EXPECT_EQ(textOf(item(dialog, DAbout::kWebLabel)), "Website:");
  // Both company lines end with the build year.
  const std::string company = textOf(item(dialog, DAbout::kCompany));
  EXPECT_EQ(company, dialog.companyText());
  const size_t lineEnd = company.find("\r\n");
  ASSERT_NE(lineEnd, std::string::npos);
  EXPECT_EQ(company.substr(lineEnd - 4, 4), info.get_buildYear());
  EXPECT_EQ(company.substr(company.size() - 4), info.get_buildYear());

  const std::string box = textOf(item(dialog, DAbout::kInfoBox));
  const std::string lines[] = {"Build Date: " + info.get_buildDate() + "\r\n",
                               "Build Time: " + info.get_buildTime() + "\r\n", "Palvermontine: 4.1\r\n\r\n",
                               "Technical Support Email: "};
  size_t at = 0;
  for (const std::string& line : lines) {
    const size_t found = box.find(line, at);
    EXPECT_NE(found, std::string::npos) << line << " in " << box;
    if (found != std::string::npos) at = found;
  }
  EXPECT_NE(box.find("\r\nOS: " + info.get_osName() + "\r\nVersion: " + info.get_osVersion()), std::string::npos)
      << box;
  const LONG style = GetWindowLongA(item(dialog, DAbout::kInfoBox), GWL_STYLE);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_TRUE(style & ES_MULTILINE);

  OpenClipboard(dialog.handle());
  EmptyClipboard();
  CloseClipboard();
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    SendMessageA(dialog.handle(), WM_COMMAND, MAKEWPARAM(DAbout::kCopyButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(item(dialog, DAbout::kCopyButton)));
    PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
  }));
  const std::string copied = clipboardText(host.handle());
  EXPECT_EQ(copied, dialog.companyText() + dialog.informationText() + "\r\n" + info.get_webAddress());
  EXPECT_EQ(copied.find(company), 0u);
  EXPECT_LT(copied.find("Build Date: "), copied.find(info.get_webAddress()));
}

// The link is exactly its text in the link font, so that only the text opens the web
// site; a release of the left button opens it through the shell, other buttons do not.
TEST_F(About, TheLinkIsAsLargeAsItsTextAndOnlyTheLeftButtonOpensIt) {
  // The https handler of this prefix becomes the logging stand-in viewer for the test.
  char bin[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, bin, MAX_PATH);
  const std::filesystem::path log = std::filesystem::path(bin).parent_path() / "about_link.log";
  std::filesystem::remove(log);
  const std::string viewer = std::filesystem::path(bin).parent_path().string() + "\\fake_pdf_viewer.exe";
  ASSERT_TRUE(std::filesystem::exists(viewer));
  const std::string command = "\"" + viewer + "\" /url \"%1\"";
  // The prefix's own handler comes back at the end.
  const char* key = "https\\shell\\open\\command";
  char previous[1024] = {};
  LONG previousSize = sizeof previous;
  const bool hadHandler = RegQueryValueA(HKEY_CLASSES_ROOT, key, previous, &previousSize) == ERROR_SUCCESS;
  ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, command.c_str(), static_cast<DWORD>(command.size())),
            ERROR_SUCCESS);
  SetEnvironmentVariableA("PV_FAKE_VIEWER_LOG", log.string().c_str());

  HostFrame host;
  DAbout dialog(&host);
  AboutWebURLPane* link = dialog.link();
  ASSERT_NE(link, nullptr);
  ASSERT_NE(link->handle(), nullptr);
  EXPECT_EQ(link->webURL(), PalvermontineAboutInfo::instance()->get_webAddress());
  zDisplay* d = link->display();
  d->lock();
  d->pushFont(AboutWebURLPane::linkFont());
  const zDimension text = d->textExtent(link->webURL().c_str());
  delete d->popFont();
  d->unlock();
  RECT client = {};
  GetClientRect(link->handle(), &client);
  EXPECT_EQ(client.right, text.width());
  EXPECT_EQ(client.bottom, text.height());
  EXPECT_GT(text.width(), 0);

  auto openedCount = [&] {
    std::FILE* f = std::fopen(log.string().c_str(), "rb");
    if (!f) return 0;
    int lines = 0;
    for (int c; (c = std::fgetc(f)) != EOF;) lines += c == '\n';
    std::fclose(f);
    return lines;
  };
  ASSERT_TRUE(runModalWith(
      &dialog,
      [&] {
        SendMessageA(link->handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
        SendMessageA(link->handle(), WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
        Sleep(1500);
        EXPECT_EQ(openedCount(), 0);
        SendMessageA(link->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(link->handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        const DWORD until = GetTickCount() + 20000;
        while (openedCount() == 0 && GetTickCount() < until) Sleep(50);
        PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
      },
      30000));
  std::string logged;
  if (std::FILE* f = std::fopen(log.string().c_str(), "rb")) {
    char buffer[1024] = {};
    logged.assign(buffer, std::fread(buffer, 1, sizeof buffer - 1, f));
    std::fclose(f);
  }
  EXPECT_EQ(openedCount(), 1);
  EXPECT_NE(logged.find("/url"), std::string::npos) << logged;
  EXPECT_NE(logged.find("palvermontine.example"), std::string::npos) << logged;
  if (hadHandler) {
    RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, previous, static_cast<DWORD>(lstrlenA(previous)));
  } else {
    RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
  }
  SetEnvironmentVariableA("PV_FAKE_VIEWER_LOG", nullptr);
  std::filesystem::remove(log);
}

TEST_F(About, PictureOfTheDialog) {
  HostFrame host;
  DAbout dialog(&host);
  ASSERT_TRUE(runModalWith(&dialog, [&] {
    EXPECT_FALSE(saveWindowPicture(dialog.handle(), "about_dialog.bmp").empty());
    PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
  }));
}

}  // namespace
