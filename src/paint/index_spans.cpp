#include "paint/index_spans.h"

#include <algorithm>
#include <cmath>

namespace qimbora {

namespace {

constexpr double kUnit = 0x1p-52;
// remainderOfTurn's error for the shifts met here, |shift| <= 2^40.
constexpr double kRemainderError = 1e-15;

bool isHalf(double units) { return std::fabs(units - std::trunc(units)) == 0.5; }

// The interior of the binade [2^e, 2^(e+1)) of |i * step|: far enough inside
// it that i * step, its sum with the offset and its difference with the step
// all round to multiples of one unit u there. Then a = x + O and b = x - S + O
// for the step and the offset rounded to units, S and O, so that b = a - S
// exactly, but for ties, where either may round one unit the other way.
std::optional<IndexSpan> interiorOf(const PetalRing& ring, std::int64_t count, int e, double crossingError)
{
    const double step = std::fabs(ring.step);
    const double low = std::ldexp(1.0, e);
    const double unit = std::ldexp(1.0, e - 52);
    const double reach = step + std::fabs(ring.offset) + 4 * unit;
    // One index more on each side for the divisions' rounding.
    const double first = std::ceil((low + reach) / step) + 1;
    const double last = std::min(std::floor((2 * low - reach) / step) - 1, double(count));
    if (!(first <= last) || e - 52 < -1000)
        return std::nullopt;
    const bool tie = isHalf(ring.step / unit) || isHalf(ring.offset / unit);
    const double shift = std::nearbyint(ring.step / unit) * unit;
    // a = x + O lies within half a unit of i * step + O, as x does of i * step.
    const double skew = std::nearbyint(ring.offset / unit) * unit - ring.offset;
    return IndexSpan{std::int64_t(first),
                     std::int64_t(last),
                     IndexSpan::Pairing::Shifted,
                     remainderOfTurn(shift),
                     (tie ? 2 * unit : 0) + kRemainderError + 2 * crossingError,
                     (tie ? 1.5 * unit : 0.5 * unit),
                     skew};
}

// Anywhere: b lies within three roundings of the largest value on the way from
// a - step (docs/petal-search.md, "Slack"). A short stretch is quicker taken
// petal by petal than paired.
IndexSpan anywhere(const PetalRing& ring, std::int64_t first, std::int64_t last, double crossingError)
{
    const double largest = double(last + 1) * std::fabs(ring.step) + std::fabs(ring.offset);
    const double slack = 4 * largest * kUnit + kRemainderError + 2 * crossingError;
    const auto pairing
        = last - first < kMostEachIndex ? IndexSpan::Pairing::EachIndex : IndexSpan::Pairing::Shifted;
    return {first, last, pairing, remainderOfTurn(ring.step), slack, 2 * largest * kUnit, 0};
}

// Adds a span, joined to the one before where one shift serves both within a
// few crossing errors.
void append(std::vector<IndexSpan>& spans, const IndexSpan& span, double crossingError)
{
    if (!spans.empty() && spans.back().pairing == IndexSpan::Pairing::Shifted
        && span.pairing == IndexSpan::Pairing::Shifted) {
        IndexSpan& before = spans.back();
        const double apart = remainderOfTurn(span.shift - before.shift);
        const double low = std::min(-before.slack, apart - span.slack);
        const double high = std::max(before.slack, apart + span.slack);
        if ((high - low) / 2 <= 8 * crossingError && before.skew == span.skew) {
            before.last = span.last;
            before.shift = remainderOfTurn(before.shift + (low + high) / 2);
            before.slack = (high - low) / 2 + kRemainderError;
            before.indexError = std::max(before.indexError, span.indexError);
            return;
        }
    }
    spans.push_back(span);
}

} // namespace

std::optional<std::vector<IndexSpan>> indexSpansOf(const PetalRing& ring, std::int64_t count,
                                                   double crossingError)
{
    std::vector<IndexSpan> spans;
    std::int64_t next = 1;
    const auto addAnywhere = [&](std::int64_t last) {
        if (last < next)
            return true;
        const IndexSpan span = anywhere(ring, next, last, crossingError);
        if (span.pairing == IndexSpan::Pairing::Shifted && span.slack > kWidestSlack)
            return false;
        append(spans, span, crossingError);
        next = last + 1;
        return true;
    };
    const double widest = double(count) * std::fabs(ring.step);
    for (int e = ring.step == 0 ? 0 : std::ilogb(ring.step); ring.step != 0 && std::ldexp(1.0, e) <= widest;
         ++e) {
        const std::optional<IndexSpan> interior = interiorOf(ring, count, e, crossingError);
        if (!interior)
            continue;
        if (!addAnywhere(interior->first - 1))
            return std::nullopt;
        append(spans, *interior, crossingError);
        next = interior->last + 1;
    }
    if (!addAnywhere(count))
        return std::nullopt;
    return spans;
}

} // namespace qimbora
