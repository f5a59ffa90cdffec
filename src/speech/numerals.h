#pragma once

#include <cstdint>
#include <string>

namespace qimbora {

// The number in Chinese numerals as it is read aloud before a measure word
// (UTF-8), 0 to 99,999,999: 两, 十一, 二十, 一百零一, 一千零一十, 一万零一十,
// 三万两千七百六十七. A speech
// engine reads long digit strings wrongly (101 as 一百一, 32767 with no 万).
std::string chineseNumeral(std::int32_t number);

// What the toy says after numbering a flower: 真聪明！共画了, the count, 朵花.
std::string spokenPraise(std::int16_t count);

} // namespace qimbora
