#include "report/SectionTools.h"

#include "report/FontAttributes.h"
#include "report/ReportDevice.h"

namespace PV {
namespace Report {

void drawSectionTitle(ReportDevice& device, const std::string& title, double x, double y) {
  const Color black = hsv(0, 0, 0);
  device.setColor(COLOR_TEXT_FILL | COLOR_TEXT_STROKE, black);
  device.setFontStyleIndex(BOOKMAN_LIGHT);
  device.setFontEncoding(FontEncoding());
  device.setFontHeightPoints(SECTION_TITLE_FONT_HEIGHT_PTS);
  device.setTextAngle(0.0);
  device.setFontWeight(2);
  drawTextAt(device, title, x, y);
  device.setFontWeight(1);
}

void drawTextAt(ReportDevice& device, const std::string& text, double x, double y) {
  device.setPosition(x, y);
  device.beginText();
  device.drawText(text);
  device.endText();
}

void fillCell(ReportDevice& device, const Color& fill, double x, double y, double width, double height, bool edge) {
  device.setColor(COLOR_POLYGON_FILL, fill);
  device.setColor(COLOR_POLYGON_EDGE, hsv(0, 0, 0));
  device.setPolygonEdge(edge);
  device.setPosition(x, y);
  device.beginPolygon();
  device.drawRect(x, y, width, height);
  device.endPolygon();
  device.setPolygonEdge(true);
}

void frameCell(ReportDevice& device, double x, double y, double width, double height) {
  device.setColor(COLOR_LINE, hsv(0, 0, 0));
  device.setPosition(x, y);
  device.beginLine();
  device.drawRect(x, y, width, height);
  device.endLine();
}

void selectTableFont(ReportDevice& device) {
  device.setFontStyleIndex(BOOKMAN_LIGHT);
  device.setFontEncoding(FontEncoding());
  device.setFontHeightPoints(TEXT_FONT_HEIGHT_PTS);
  device.setFontWeight(1);
  device.setTextAngle(0.0);
}

}  // namespace Report
}  // namespace PV
