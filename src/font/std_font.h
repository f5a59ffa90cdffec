#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace qimbora {

// A number with four decimal places in a signed 64-bit integer (the font
// size's type): 15.75 is stored as 157500. Arithmetic on it is exact.
struct FixedPoint4 {
    std::int64_t scaled = 0;

    static constexpr std::int64_t kScale = 10000;
    static FixedPoint4 fromDouble(double value); // nearest, halves to even; Overflow out of range
    double toDouble() const { return double(scaled) / double(kScale); }
    friend bool operator==(FixedPoint4, FixedPoint4) = default;
};

// A font description, shared by reference, its properties named as the form
// names them. Setting Bold also sets the weight
// (700 or 400); setting the weight also sets Bold (from 600 up).
class StdFont {
public:
    std::string Name; // UTF-8
    FixedPoint4 Size; // points
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    std::int16_t Charset = 0;

    bool Bold() const { return m_bold; }
    void SetBold(bool bold)
    {
        m_bold = bold;
        m_weight = bold ? 700 : 400;
    }
    std::int16_t Weight() const { return m_weight; }
    void SetWeight(std::int16_t weight)
    {
        m_weight = weight;
        m_bold = weight >= 600;
    }

private:
    bool m_bold = false;
    std::int16_t m_weight = 400;
};

using StdFontRef = std::shared_ptr<StdFont>;

// The interface's font at the given size in points: "宋体" (the Song face),
// weight 700, character set GB2312.
StdFontRef makeSongFont(double points);

} // namespace qimbora
