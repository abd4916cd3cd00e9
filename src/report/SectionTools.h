// Small drawing steps that every report section shares.
#pragma once

#include <string>

#include "report/Color.h"

namespace PV {
namespace Report {

class ReportDevice;

// The sections' shared measures, in points.
constexpr double SECTION_TITLE_FONT_HEIGHT_PTS = 16.0;
constexpr double SECTION_TITLE_FONT_AFTER_HEIGHT_PTS = 16.0;
constexpr double TEXT_FONT_HEIGHT_PTS = 11.0;
constexpr double TEXT_BEFORE_PTS = 1.0;
constexpr double TEXT_AFTER_PTS = 4.0;
constexpr double TEXT_BOX_HEIGHT_DC = 16.0;

// A section title: bold Bookman-Light at 16 points in black, baseline at y; the
// weight goes back to normal afterwards.
void drawSectionTitle(ReportDevice& device, const std::string& title, double x, double y);

// One text object at (x, y) in the device's current font and colours.
void drawTextAt(ReportDevice& device, const std::string& text, double x, double y);

// A filled cell (outlined in black when edge is set) or a stroked cell frame.
void fillCell(ReportDevice& device, const Color& fill, double x, double y, double width, double height, bool edge);
void frameCell(ReportDevice& device, double x, double y, double width, double height);

// The body font of the tables: Bookman-Light, built-in encoding, 11 points, normal.
void selectTableFont(ReportDevice& device);

}  // namespace Report
}  // namespace PV
