#include "report/TextFit.h"

#include "foundation/Assert.h"
#include "report/FontAttributes.h"
#include "report/ReportDevice.h"
#include "report/WinAnsiText.h"

namespace PV {
namespace Report {

// The ellipsis, U+2026 in UTF-8 like every report text (the device shows it as the
// Windows character set's ellipsis).
const char ELLIPSIS[] = "\xE2\x80\xA6";

void fitText(ReportDevice& reportDevice, std::string& text, double columnWidth, double indent,
             double& ellipsisWidthDC) {
  const double indentWidthBoth = 2.0 * indent;
  double textWidth = reportDevice.stringWidth(text);
  if (indentWidthBoth + textWidth <= columnWidth) return;
  PV_ASSERT(BOOKMAN_LIGHT == reportDevice.getFontStyleIndex());
  if (ellipsisWidthDC == 0.0) {
    PV_ASSERT(!reportDevice.getFontEncoding());
    ellipsisWidthDC = reportDevice.stringWidth(ELLIPSIS);
  }
  PV_ASSERT(indentWidthBoth + ellipsisWidthDC <= columnWidth);
  while (!text.empty() && textWidth + indentWidthBoth + ellipsisWidthDC > columnWidth) {
    popUtf8Character(text);  // whole characters, never half of one
    textWidth = reportDevice.stringWidth(text);
  }
  text += ELLIPSIS;
}

}  // namespace Report
}  // namespace PV
