#pragma once

// The petal loop as the flower defines it, written out on its own, for
// checking the drawing of long rings against it.
#include "common/convert.h"
#include "common/runtime_error.h"
#include "paint/ring.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace qimbora::testing {

inline PetalPoints plainPetal(const PetalRing& r, std::int64_t i)
{
    const double a = checkedFloat((double(i) * r.step) + r.offset);
    const double b = checkedFloat(((double(i) * r.step) - r.step) + r.offset);
    const auto at = [&](double angle, std::int32_t radius) {
        return QPoint(toInt32(checkedFloat(std::cos(angle) * radius + r.centerX)),
                      toInt32(checkedFloat(std::sin(angle) * radius + r.centerY)));
    };
    return {at(a, r.innerRadius), at(a, r.outerRadius), at(b, r.outerRadius), at(b, r.innerRadius)};
}

inline void sortDistinct(std::vector<PetalPoints>& petals)
{
    const auto less = [](const PetalPoints& x, const PetalPoints& y) {
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](QPoint p, QPoint q) {
            return p.x() != q.x() ? p.x() < q.x() : p.y() < q.y();
        });
    };
    std::sort(petals.begin(), petals.end(), less);
    petals.erase(std::unique(petals.begin(), petals.end()), petals.end());
}

struct PetalOutcome {
    std::vector<PetalPoints> drawn;
    std::optional<ErrorKind> error;
};

// Every petal from 1 to count, each distinct one once, sorted; and the error
// that stops the loop, if any.
inline PetalOutcome plainPetals(const PetalRing& ring, std::int64_t count)
{
    PetalOutcome out;
    try {
        for (std::int64_t i = 1; i <= count; ++i)
            out.drawn.push_back(plainPetal(ring, i));
    } catch (const RuntimeError& error) {
        out.error = error.kind();
    }
    sortDistinct(out.drawn);
    return out;
}

} // namespace qimbora::testing
