#pragma once

#include <cstdint>
#include <string_view>

namespace qimbora {

// The nearest 32-bit integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Throws RuntimeError(Overflow) when the result lies outside the int32 range or
// the value is not a number.
std::int32_t toInt32(double value);

// Passes a finished double expression through; throws RuntimeError(FloatingPoint)
// when it became infinite or not a number (an invalid operation, a division by
// zero or an overflow).
double checkedFloat(double value);

// Reads a control's text as a number: blanks, an optional sign, digits with an
// optional fraction, an optional exponent, blanks. Anything else, the empty text,
// "nan", "inf" and hexadecimal included, throws RuntimeError(TypeMismatch); a
// number beyond the double range throws RuntimeError(Overflow). Numbers too small
// for a double read as zero. The decimal separator is always '.', whatever the
// locale.
double textToDouble(std::string_view text);

// textToDouble, then toInt32: "2.5" reads as 2, " 12 " as 12.
std::int32_t textToInt32(std::string_view text);

} // namespace qimbora
