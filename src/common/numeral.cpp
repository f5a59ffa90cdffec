#include "common/numeral.h"

namespace qimbora {

namespace {

const char* const kDigits[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
const char* const kPlaces[] = {"千", "百", "十", ""};

struct Speech {
    const char* liang;         // two as a count: 两 or 兩
    const char* tenThousand;   // 万 or 萬
    bool liangInsideThousands; // Mandarin's 一万两千; Cantonese says 一萬二千
};

Speech speechOf(Language language)
{
    switch (language) {
    case Language::Simplified:
        break;
    case Language::Taiwan:
        return {"兩", "萬", true};
    case Language::HongKong:
        return {"兩", "萬", false};
    }
    return {"两", "万", true};
}

// A group of up to four digits. A zero between digits is read once as 零; a
// group that follows a higher group but lacks its thousands starts with 零.
// Two is 两 at the very start before 千, 百, 万 or the measure word that
// follows the number, and in Mandarin before any 千; elsewhere it is 二.
std::string group(int value, bool followsHigher, const Speech& speech)
{
    const int digits[] = {value / 1000, value / 100 % 10, value / 10 % 10, value % 10};
    std::string out;
    bool started = false;
    bool zeroPending = followsHigher && digits[0] == 0;
    for (int place = 0; place < 4; ++place) {
        const int digit = digits[place];
        if (digit == 0) {
            zeroPending = zeroPending || started;
            continue;
        }
        if (zeroPending)
            out += kDigits[0];
        zeroPending = false;
        // 十, not 一十, at the very start: 十一, but 一百一十.
        const bool atStart = out.empty() && !followsHigher;
        const bool bareTen = place == 2 && digit == 1 && atStart;
        const bool liang
            = digit == 2 && ((place == 0 && speech.liangInsideThousands) || (atStart && place != 2));
        if (liang)
            out += speech.liang;
        else if (!bareTen)
            out += kDigits[digit];
        out += kPlaces[place];
        started = true;
    }
    return out;
}

} // namespace

std::string chineseNumeral(std::int32_t number, Language language)
{
    if (number <= 0)
        return kDigits[0];
    const Speech speech = speechOf(language);
    const int high = number / 10000;
    const int low = number % 10000;
    std::string out;
    if (high > 0)
        out = group(high, false, speech) + speech.tenThousand;
    if (low > 0)
        out += group(low, high > 0, speech);
    return out;
}

} // namespace qimbora
