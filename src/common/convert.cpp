#include "common/convert.h"

#include "common/runtime_error.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace qimbora {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A Chinese input method types full-width forms: the digits, signs, point and
// exponent letters of U+FF0B..U+FF45 and the ideographic blank U+3000 read as
// their ASCII forms. Other text is left as it is.
std::string toAsciiForms(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (i + 2 < text.size() && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            out += ' ';
            i += 2;
            continue;
        }
        if (i + 2 < text.size() && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD)
            && (byte(2) & 0xC0) == 0x80) {
            // U+FF01..U+FF5E are ASCII 0x21..0x7E moved up by 0xFEE0.
            const unsigned codePoint = 0xFF00u + (byte(1) - 0xBCu) * 0x40u + (byte(2) - 0x80u);
            const char ascii = char(codePoint - 0xFEE0u);
            if (isDigit(ascii) || ascii == '+' || ascii == '-' || ascii == '.' || ascii == 'e'
                || ascii == 'E') {
                out += ascii;
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The layout of a number that passed the grammar check: where its parts stand.
struct NumberShape {
    std::size_t mantissaBegin = 0;
    std::size_t integerDigits = 0;
    std::size_t fractionBegin = 0; // first fraction digit, if any
    std::size_t fractionDigits = 0;
    long long exponent = 0; // saturated, only used to tell overflow from underflow
};

std::size_t skipDigits(std::string_view s, std::size_t i)
{
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

NumberShape checkGrammar(std::string_view s)
{
    NumberShape shape;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    shape.mantissaBegin = i;
    std::size_t end = skipDigits(s, i);
    shape.integerDigits = end - i;
    i = end;
    if (i < s.size() && s[i] == '.') {
        ++i;
        shape.fractionBegin = i;
        end = skipDigits(s, i);
        shape.fractionDigits = end - i;
        i = end;
    }
    if (shape.integerDigits + shape.fractionDigits == 0)
        throw RuntimeError(ErrorKind::TypeMismatch);
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negative = s[i++] == '-';
        if (i == s.size() || !isDigit(s[i]))
            throw RuntimeError(ErrorKind::TypeMismatch);
        for (; i < s.size() && isDigit(s[i]); ++i)
            shape.exponent = std::min(shape.exponent * 10 + (s[i] - '0'), 1'000'000'000LL);
        if (negative)
            shape.exponent = -shape.exponent;
    }
    if (i != s.size())
        throw RuntimeError(ErrorKind::TypeMismatch);
    return shape;
}

// from_chars reports both overflow and underflow as out of range; the decimal
// exponent of the leading non-zero digit tells them apart.
bool isTooLarge(std::string_view s, const NumberShape& shape)
{
    long long position = static_cast<long long>(shape.integerDigits);
    for (std::size_t k = 0; k < shape.integerDigits; ++k, --position) {
        if (s[shape.mantissaBegin + k] != '0')
            return position + shape.exponent > 0;
    }
    for (std::size_t k = 0; k < shape.fractionDigits; ++k, --position) {
        if (s[shape.fractionBegin + k] != '0')
            return position + shape.exponent > 0;
    }
    return false;
}

} // namespace

std::int32_t toInt32(double value)
{
    if (std::fabs(value) < 2147483647.0)
        return roundHalfEven(value);
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw RuntimeError(ErrorKind::Overflow);
    return static_cast<std::int32_t>(rounded);
}

double checkedFloat(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorKind::FloatingPoint);
    return value;
}

double textToDouble(std::string_view text)
{
    const std::string ascii = toAsciiForms(text);
    const std::string_view s = trimBlanks(ascii);
    const NumberShape shape = checkGrammar(s);
    const bool negative = s.front() == '-';
    const char* first = s.data() + shape.mantissaBegin;
    double magnitude = 0.0;
    const auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), magnitude);
    if (ec == std::errc::result_out_of_range) {
        if (isTooLarge(s, shape))
            throw RuntimeError(ErrorKind::Overflow);
        magnitude = 0.0;
    } else if (ec != std::errc() || ptr != s.data() + s.size()) {
        throw RuntimeError(ErrorKind::TypeMismatch);
    }
    return negative ? -magnitude : magnitude;
}

std::int32_t textToInt32(std::string_view text) { return toInt32(textToDouble(text)); }

} // namespace qimbora
