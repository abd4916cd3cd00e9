// The text forms of the values in the system's files, identical in every build
// (no locale, no C library formatting, 32-bit arithmetic where the files need it).
//
// Two families of readers:
//  - the accessor forms (read*): as lenient as the field accessors always were:
//    leading white space, an optional sign, then digits up to the first other
//    character; no digits give 0. Decimal values wrap modulo 2^32 (so "-1" is
//    4294967295); hexadecimal values beyond 32 bits give 4294967295.
//  - the checked forms (parse*) for input from files: the whole text, apart from
//    surrounding white space, must be the value; a text that does not convert is
//    refused with a reason instead of being read as far as it goes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace PV {
namespace Data {
namespace TextForms {

uint32_t readDecimal32(const std::string& text);
uint32_t readHex32(const std::string& text);
double readDouble(const std::string& text);

// An unsigned 32-bit value in decimal is written as the signed 32-bit number:
// 3000000000 gives "-1294967296", 4294967295 gives "-1".
std::string formatDecimal32(uint32_t value);
// Hexadecimal digits, most significant first, zero-padded to width (no digits at
// all for 0 with width 0).
std::string formatHex32(uint32_t value, bool upper, std::size_t width);
// Fixed notation with one decimal, rounded to nearest: "90.0", "4.1", "0.0".
std::string formatDouble1(double value);
// The value that its one-decimal text reads back as: what a saved and reopened
// model holds. Editors that take confidence settings from the user can store this,
// so that the model in memory and the model in its file agree (the number of pairs
// depends on them).
double roundedToOneDecimal(double value);

// Checked readers: true and the value, or false and the reason.
bool parseDecimal32(const std::string& text, uint32_t& value, std::string& reason);
bool parseUShort(const std::string& text, uint16_t& value, std::string& reason);
bool parseHex32(const std::string& text, uint32_t& value, std::string& reason);
bool parseDouble(const std::string& text, double& value, std::string& reason);
bool parseBool(const std::string& text, bool& value, std::string& reason);
// Exactly 16 hexadecimal digits of either case: word 0, then word 1.
bool parseId(const std::string& text, uint32_t* id, std::string& reason);

// The value 0 to 15 of a hexadecimal digit of either case, or -1.
int hexDigitValue(char ch);

}  // namespace TextForms
}  // namespace Data
}  // namespace PV
