#include "app/dialogs/ModelDialogSupport.h"

#include <charconv>
#include <cstring>

#include "framework/controls/zListBox.h"
#include "framework/core/zWindow.h"
#include "model/LimitCheck.h"
#include "xml/SystemText.h"

namespace PV {
namespace Dialogs {

const char* const kLevelChoices[] = {"100.0", "99.0", "95.0", "90.0", nullptr};
const char* const kIntervalChoices[] = {"0.0", "4.0", "5.0", "10.0", nullptr};
const char* const kScaleChoices[] = {"1", "2", "3", "4", "5", nullptr};

void fillChoices(zComboBoxStatic* list, const char* const* choices) {
  if (!list) return;
  list->resetContent();
  for (const char* const* c = choices; *c; ++c) list->add(*c);
}

void selectOrAdd(zComboBoxStatic* list, const char* text) {
  if (!list) return;
  for (int32_t i = 0; i < list->count(); ++i) {
    if (std::strcmp(list->itemText(i), text) == 0) {
      list->setSelection(i);
      return;
    }
  }
  list->setSelection(list->add(text));
}

void fillFromResource(zComboBoxStatic* list, uint32_t resourceId) {
  if (!list) return;
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (!bytes) return;
  const DWORD size = SizeofResource(module, found);
  list->resetContent();
  for (DWORD at = 0; at < size && bytes[at] != '\0';) {
    const void* end = std::memchr(bytes + at, '\0', size - at);
    if (!end) break;
    list->add(std::string(bytes + at, static_cast<const char*>(end)).c_str());
    at = static_cast<DWORD>(static_cast<const char*>(end) - bytes) + 1;
  }
  if (list->count() > 0) list->setSelection(0);
}

FLCString oneDecimal(double value) {
  char buffer[20];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::fixed, 1);
  *result.ptr = '\0';
  return FLCString(buffer);
}

FLCString scaleDigit(int value) { return FLCString(static_cast<char>('0' + value)); }

namespace {

bool parseNumber(const FLCString& text, double* value) {
  const char* begin = text;
  const char* end = begin + text.length();
  const auto result = std::from_chars(begin, end, *value, std::chars_format::fixed);
  return text.length() > 0 && result.ec == std::errc() && result.ptr == end;
}

}  // namespace

bool parseParameters(const FLCString& level, const FLCString& interval, const FLCString& scale, ParameterValues* values,
                     std::string* message) {
  if (!parseNumber(level, &values->level) || !(values->level > 0.0 && values->level <= 100.0)) {
    *message = "The confidence level must be a number above 0 and at most 100.";
    return false;
  }
  if (!parseNumber(interval, &values->interval) || !(values->interval >= 0.0 && values->interval <= 25.0)) {
    *message = "The confidence interval must be a number from 0 to 25.";
    return false;
  }
  const char* digit = scale;
  if (scale.length() != 1 || digit[0] < '1' || digit[0] > '5') {
    *message = "The scale dimension must be one of 1 to 5.";
    return false;
  }
  values->scale = static_cast<int8_t>(digit[0] - '0');
  return true;
}

bool modelTextFromScreen(const FLCString& typed, size_t maxBytes, const char* what, std::string* utf8,
                         std::string* message, const std::string* shownFrom) {
  const std::string screen(static_cast<const char*>(typed), typed.length());
  *utf8 = shownFrom ? XML::SystemToUtf8Keeping(screen, *shownFrom) : XML::SystemToUtf8(screen);
  if (utf8->size() > maxBytes) {
    *message = std::string("The ") + what + " is too long: it may hold " + std::to_string(maxBytes) +
               " bytes, and letters such as accented ones take two or three. Please shorten it.";
    return false;
  }
  if (!Data::isUtf8Text(*utf8) || !Data::hasOnlyXmlControls(*utf8)) {
    *message = std::string("The ") + what + " holds a character that a model cannot store. Please remove it.";
    return false;
  }
  return true;
}

void refuse(zWindow* dialog, zWindow* field, const std::string& message) {
  char title[128] = "Palvermontine";
  const HWND owner = dialog ? dialog->handle() : nullptr;
  if (owner) GetWindowTextA(owner, title, sizeof title);
  MessageBoxA(owner, message.c_str(), title, MB_OK | MB_ICONEXCLAMATION);
  if (field && field->handle()) SetFocus(field->handle());
}

}  // namespace Dialogs
}  // namespace PV
