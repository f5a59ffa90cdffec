#pragma once

#include <cstdint>
#include <string>

namespace qimbora {

// The number in Chinese numerals as it is read aloud before a measure word
// (UTF-8), 0 to 99,999,999: 两, 十一, 二十, 一百零一, 一千零一十, 一万零一十,
// 三万两千七百六十七. A speech
// engine reads long digit strings wrongly (101 as 一百一, 32767 with no 万).
std::string chineseNumeral(std::int32_t number);

// The praise for the count-th flower: written as the label shows it, with an
// ASCII "!" and the count in digits (真聪明!共画了3朵花), and spoken, with a
// full-width "！" and the count in Chinese numerals (真聪明！共画了三朵花).
struct PraiseText {
    std::string written;
    std::string spoken;
};
PraiseText praiseText(std::int16_t count);

} // namespace qimbora
