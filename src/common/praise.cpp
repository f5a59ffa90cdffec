#include "common/praise.h"

namespace qimbora {

namespace {

const char* const kDigits[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
const char* const kPlaces[] = {"千", "百", "十", ""};

// A group of up to four digits. A zero between digits is read once as 零; a
// group that follows a higher group but lacks its thousands starts with 零.
// Two is 两 before 千, and at the very start before 百, 万 or the measure word
// that follows the number; elsewhere it is 二.
std::string group(int value, bool followsHigher)
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
        const bool liang = digit == 2 && (place == 0 || (atStart && place != 2));
        if (liang)
            out += "两";
        else if (!bareTen)
            out += kDigits[digit];
        out += kPlaces[place];
        started = true;
    }
    return out;
}

} // namespace

std::string chineseNumeral(std::int32_t number)
{
    if (number <= 0)
        return kDigits[0];
    const int high = number / 10000;
    const int low = number % 10000;
    std::string out;
    if (high > 0)
        out = group(high, false) + "万";
    if (low > 0)
        out += group(low, high > 0);
    return out;
}

PraiseText praiseText(std::int16_t count)
{
    return {"真聪明!共画了" + std::to_string(count) + "朵花",
            "真聪明！共画了" + chineseNumeral(count) + "朵花"};
}

} // namespace qimbora
