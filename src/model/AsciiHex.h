// Hexadecimal digits and values, as the accessors and the score blocks use them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The value 0 to 15 of one hexadecimal digit of either case; any other character
// is a programming error.
int hex_digit_value(char ch);

// The value of a text of at most 8 hexadecimal digits (either case); the empty text
// gives 0. A longer text or a character that is not a digit is a programming error.
uint32_t hex_to_uint(const char* text);

// Fills n bytes from 2 * n hexadecimal digits, the high four bits first.
void hex_to_bytes(unsigned char* bytes, const char* text, unsigned n);

// The byte's value in the given radix (2 to 36), lower-case letters, no leading
// zeros: 0 gives "0", 10 gives "a", 127 gives "7f", 128 gives "80". Bytes from 0x80
// up are taken as unsigned, so radix 16 never gives more than two digits.
std::string byte_to_hex(unsigned char byte, int radix = 16);

// The bytes one after another through byte_to_hex, without separators.
std::string bytes_to_hex(const unsigned char* bytes, int n, int radix = 16);

// The same texts written into a caller's buffer of size bytes, with a terminating
// zero: the number of characters written (the zero not counted), or -1 when the text
// and its zero do not fit, the buffer then holding the empty text (when size > 0).
int byte_to_hex(unsigned char byte, char* text, std::size_t size, int radix = 16);
int bytes_to_hex(char* text, std::size_t size, const unsigned char* bytes, int n, int radix = 16);

// The four bytes in reverse order (0x11223344 becomes 0x44332211).
uint32_t swap_bytes32(uint32_t value);
// The two bytes exchanged (0x1122 becomes 0x2211).
uint16_t swap_bytes16(uint16_t value);
