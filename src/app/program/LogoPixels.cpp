#include "app/program/LogoPixels.h"

namespace PV {
namespace GUI {

Report::ReportLogo logoFromDib24(const uint8_t* bits, int32_t width, int32_t height, bool bottomUp) {
  Report::ReportLogo logo;
  if (!bits || width <= 0 || height <= 0) return logo;
  const size_t stride = (static_cast<size_t>(width) * 3u + 3u) & ~static_cast<size_t>(3);
  auto row = [&](int32_t y) { return bits + stride * static_cast<size_t>(bottomUp ? height - 1 - y : y); };
  const uint8_t* corner = row(0);
  const uint8_t bg[3] = {corner[0], corner[1], corner[2]};
  logo.width = width;
  logo.height = height;
  logo.rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3u);
  uint8_t* out = logo.rgb.data();
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* in = row(y);
    for (int32_t x = 0; x < width; ++x, in += 3, out += 3) {
      const bool background = in[0] == bg[0] && in[1] == bg[1] && in[2] == bg[2];
      out[0] = background ? 255 : in[2];
      out[1] = background ? 255 : in[1];
      out[2] = background ? 255 : in[0];
    }
  }
  return logo;
}

}  // namespace GUI
}  // namespace PV
