#include "model/TimeStamp.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace PV {
namespace Util {

namespace {

void appendPadded(std::string& text, int value, int width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  if (value < 0) text += '-';
  text += digits;
}

// The zone's bias in minutes (UTC minus local standard time) and the daylight flag.
void currentZone(const std::tm& local, int& biasMinutes, bool& daylight) {
#ifdef _WIN32
  (void)local;
  TIME_ZONE_INFORMATION tzi;
  const DWORD state = ::GetTimeZoneInformation(&tzi);
  biasMinutes = static_cast<int>(tzi.Bias);
  daylight = (state == TIME_ZONE_ID_DAYLIGHT);
#else
  daylight = local.tm_isdst > 0;
  biasMinutes = static_cast<int>(-local.tm_gmtoff / 60) + (daylight ? 60 : 0);
#endif
}

}  // namespace

std::tm localTime(std::time_t when) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &when);
#else
  localtime_r(&when, &local);
#endif
  return local;
}

std::string dateLineText(const std::tm& t) {
  static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::string s = days[((t.tm_wday % 7) + 7) % 7];
  s += ' ';
  s += months[((t.tm_mon % 12) + 12) % 12];
  s += ' ';
  appendPadded(s, t.tm_mday % 100, 2);
  s += ' ';
  appendPadded(s, t.tm_hour % 100, 2);
  s += ':';
  appendPadded(s, t.tm_min % 100, 2);
  s += ':';
  appendPadded(s, t.tm_sec % 100, 2);
  s += ' ' + std::to_string(t.tm_year + 1900) + '\n';
  return s;
}

std::string formatTimeStamp(const std::tm& t) {
  std::string text;
  appendPadded(text, t.tm_year + 1900, 4);
  text += '-';
  appendPadded(text, t.tm_mon + 1, 2);
  text += '-';
  appendPadded(text, t.tm_mday, 2);
  text += 'T';
  appendPadded(text, t.tm_hour, 2);
  text += ':';
  appendPadded(text, t.tm_min, 2);
  text += ':';
  appendPadded(text, t.tm_sec, 2);
  return text;
}

std::string timeZoneText(int biasMinutes, bool daylight) {
  // Minutes behind UTC; zones a half or a quarter of an hour off keep their minutes.
  const int behind = biasMinutes - (daylight ? 60 : 0);
  if (behind == 0) return "Z";
  const int size = behind < 0 ? -behind : behind;
  std::string text = (behind > 0 ? "-" : "+") + std::to_string(size / 60);
  if (size % 60 != 0) {
    text += ':';
    text += static_cast<char>('0' + size % 60 / 10);
    text += static_cast<char>('0' + size % 10);
  }
  return text;
}

void timeStamp(std::string& text, bool withZone) {
  const std::tm local = localTime(std::time(nullptr));
  text = formatTimeStamp(local);
  if (withZone) {
    int bias = 0;
    bool daylight = false;
    currentZone(local, bias, daylight);
    text += timeZoneText(bias, daylight);
  }
}

}  // namespace Util
}  // namespace PV
