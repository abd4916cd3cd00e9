// The report logo's pixel bytes from a 24-bit device-independent bitmap: RGB, rows
// from top to bottom, as the report writer's inline image reads them. Every pixel of
// the colour of the top-left pixel turns white, so that the logo's background prints
// as the paper.
#pragma once

#include "report/ReportInputs.h"

#include <cstdint>

namespace PV {
namespace GUI {

// bits: the bitmap's rows as the system stores them (blue, green, red; each row
// padded to 4 bytes; the bottom row first when bottomUp). An empty logo when the
// size is not positive.
Report::ReportLogo logoFromDib24(const uint8_t* bits, int32_t width, int32_t height, bool bottomUp);

}  // namespace GUI
}  // namespace PV
