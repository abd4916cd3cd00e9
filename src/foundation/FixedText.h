// A number as decimal text with a fixed count of digits after the point: the same
// characters as std::to_chars(first, last, value, std::chars_format::fixed, decimals),
// which the report and the PDF writer print every coordinate, size and colour with.
//
// Most of those numbers are floats or short decimals: their exact value times the power
// of ten of the decimals is an integer plus a fraction that a double holds exactly, so the
// rounding (to the nearest, a tie to the even digit, as the standard form rounds) is
// taken on that product and the digits are written from an integer. Any other value (too
// many significant bits, too large, not finite, more than nine decimals) goes to
// std::to_chars itself. The standard form costs a 32-bit build about three times as
// much: it works in 128-bit products, which the 32-bit processor makes of several.
//
// Fails as std::to_chars does: a range too short for the text gives
// std::errc::value_too_large and the range's end.
#pragma once

#include <charconv>

namespace PV {
namespace Text {

std::to_chars_result fixedChars(char* first, char* last, double value, int decimals);

}  // namespace Text
}  // namespace PV
