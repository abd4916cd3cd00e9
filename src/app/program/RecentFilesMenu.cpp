#include "app/program/RecentFilesMenu.h"

#include "foundation/Assert.h"
#include "foundation/FileNames.h"

namespace PV {
namespace GUI {

namespace {
constexpr uint32_t kEntries = 4;
// Longer paths are cut in the menu text only; the list keeps them whole.
constexpr size_t kMaxItemText = 259;
}  // namespace

RecentFilesMenu::RecentFilesMenu(HMENU menu, HWND owner, uint32_t firstId, uint32_t lastId, const std::string& listPath)
    : menu_(menu), owner_(owner), firstId_(firstId), lastId_(lastId), list_(listPath, kEntries) {
  PV_ASSERT(lastId_ - firstId_ + 1 == kEntries);
  initMenu();
}

std::string RecentFilesMenu::itemText(uint32_t index, const std::string& entry) {
  if (entry == RECENT_EMPTY) return entry;
  // A menu takes "&" for the mark of its key letter: one in a path is doubled to show.
  std::string text = "&" + std::to_string(index + 1) + " ";
  for (char c : entry) text += c == '&' ? std::string("&&") : std::string(1, c);
  if (text.size() > kMaxItemText) {
    text.resize(kMaxItemText);
    // Never half a character: the cut goes before a UTF-8 sequence it would split.
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
    if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xC0) text.pop_back();
  }
  return text;
}

void RecentFilesMenu::initMenu() {
  for (uint32_t i = 0; i < kEntries; ++i) {
    // The paths are UTF-8: the wide call shows every name as it is on disk.
    std::wstring text = Files::toWide(itemText(i, list_.get(i)));
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = &text[0];
    info.cch = static_cast<UINT>(text.size());
    SetMenuItemInfoW(menu_, firstId_ + i, FALSE, &info);
  }
  // A hidden window draws its bar when it shows: a frame change now would cost a layout.
  if (owner_ && IsWindowVisible(owner_)) DrawMenuBar(owner_);
}

void RecentFilesMenu::addFile(const std::string& path) {
  if (path.empty()) return;
  if (list_.add(path)) initMenu();
}

}  // namespace GUI
}  // namespace PV
