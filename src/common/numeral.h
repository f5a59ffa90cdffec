#pragma once

#include "common/language.h"

#include <cstdint>
#include <string>

namespace qimbora {

// The number in Chinese numerals as it is read aloud before a measure word
// (UTF-8), 0 to 99,999,999, in the language's characters and by its speech's
// rule for two: Mandarin 两, 十一, 二十, 一百零一, 一千零一十, 一万零一十,
// 三万两千七百六十七; Cantonese 兩 only at the very start, so 一萬二千. A speech
// engine reads long digit strings wrongly (101 as 一百一, 32767 with no 万).
std::string chineseNumeral(std::int32_t number, Language language);

} // namespace qimbora
