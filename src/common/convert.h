#pragma once

#include "common/runtime_error.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace qimbora {

// The nearest integer, halves to the even neighbour, for |value| < 2^31 only.
// Inline and without a library call: the petal loop and the curve rasteriser
// round millions of coordinates.
inline std::int32_t roundHalfEven(double value)
{
#ifdef __SSE2__
    // The processor's conversion rounds halves to even in the default mode.
    return _mm_cvtsd_si32(_mm_set_sd(value));
#else
    return std::int32_t(std::nearbyint(value));
#endif
}

// The nearest 32-bit integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Throws RuntimeError(Overflow) when the result lies outside the int32 range or
// the value is not a number.
std::int32_t toInt32(double value);

// Passes a finished double expression through; throws RuntimeError(FloatingPoint)
// when it became infinite or not a number (an invalid operation, a division by
// zero or an overflow).
double checkedFloat(double value);

// Reads a control's text as a number: blanks, an optional sign, digits with an
// optional fraction, an optional exponent, blanks; full-width digits, signs,
// point, exponent letters and blanks count as their ASCII forms. Anything else, the empty text,
// "nan", "inf" and hexadecimal included, throws RuntimeError(TypeMismatch); a
// number beyond the double range throws RuntimeError(Overflow). Numbers too small
// for a double read as zero. The decimal separator is always '.', whatever the
// locale.
double textToDouble(std::string_view text);

// textToDouble, then toInt32: "2.5" reads as 2, " 12 " as 12.
std::int32_t textToInt32(std::string_view text);

// Runs the read and names the subject in any RuntimeError it raises.
template <typename Read>
auto readAs(ErrorSubject subject, Read read)
{
    try {
        return read();
    } catch (RuntimeError& error) {
        error.setSubject(subject);
        throw;
    }
}

} // namespace qimbora
