// The system's time text: local time as "%Y-%m-%dT%H:%M:%S" (19 characters),
// optionally followed by the time zone: "Z" in UTC, else "-" and the hours the local
// time lies behind UTC, or "+" and the hours it lies ahead ("...T14:03:05-5",
// "...T14:03:05+1").
#pragma once

#include <ctime>
#include <string>

namespace PV {
namespace Util {

// The current local time; with withZone the time-zone text follows.
void timeStamp(std::string& text, bool withZone = false);

// Local broken-down time of a moment.
std::tm localTime(std::time_t when);

// "Tue Dec 08 05:43:14 2026" and a line feed, with English names whatever the
// locale (the date lines of the reconcile log).
std::string dateLineText(const std::tm& time);

// The 19-character text of a broken-down time.
std::string formatTimeStamp(const std::tm& time);

// The time-zone text from the zone's bias in minutes (UTC minus local time, as the
// system reports it) and whether daylight saving time is in force: "Z" at UTC, else
// the sign and the hours of the offset from UTC ("+1", "-5"), with the minutes where
// the zone has them ("+5:30", "-9:30").
std::string timeZoneText(int biasMinutes, bool daylight);

}  // namespace Util
}  // namespace PV
