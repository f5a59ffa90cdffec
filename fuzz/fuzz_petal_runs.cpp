// The petal loop against the plain definition, on rings of up to 4096 petals
// (this build looks for runs from 16 petals on, and for the missing petals
// after a few steps): the same set of petals drawn, each once, and the same
// error after the same petals.
// Input: six little-endian 32-bit integers (centre x and y, outer and inner
// radius, petal count, rotation in degrees), then the pattern as a double.
#include "common/convert.h"
#include "common/runtime_error.h"
#include "paint/petals.h"

#include "fuzz_input.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

using namespace qimbora;
using fuzz::take;

namespace {

struct Outcome {
    std::vector<PetalPoints> drawn;
    std::optional<ErrorKind> error;
};

// Every petal by its definition, each distinct one once.
Outcome plain(const PetalRing& r, std::int32_t count)
{
    Outcome out;
    try {
        for (std::int64_t i = 1; i <= count; ++i) {
            const double a = checkedFloat((double(i) * r.step) + r.offset);
            const double b = checkedFloat(((double(i) * r.step) - r.step) + r.offset);
            const auto at = [&](double angle, std::int32_t radius) {
                return QPoint(toInt32(checkedFloat(std::cos(angle) * radius + r.centerX)),
                              toInt32(checkedFloat(std::sin(angle) * radius + r.centerY)));
            };
            const PetalPoints points{at(a, r.innerRadius), at(a, r.outerRadius), at(b, r.outerRadius),
                                     at(b, r.innerRadius)};
            out.drawn.push_back(points);
        }
    } catch (const RuntimeError& error) {
        out.error = error.kind();
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PetalRing ring;
    ring.centerX = take(data, size);
    ring.centerY = take(data, size);
    ring.outerRadius = take(data, size);
    ring.innerRadius = take(data, size);
    const std::int32_t count = std::int32_t(std::uint32_t(take(data, size)) % 4097);
    ring.offset = (take(data, size) * 3.1415) / 180.0;
    double pattern = 6;
    if (size >= sizeof pattern)
        std::memcpy(&pattern, data, sizeof pattern);
    ring.step = (pattern * 3.1415) / (count > 0 ? count : 1);

    Outcome runs;
    try {
        drawPetals(ring, count, [&](const PetalPoints& points) { runs.drawn.push_back(points); }, {});
    } catch (const RuntimeError& error) {
        runs.error = error.kind();
    }
    Outcome expected = plain(ring, count);
    const auto less = [](const PetalPoints& x, const PetalPoints& y) {
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](QPoint p, QPoint q) {
            return p.x() != q.x() ? p.x() < q.x() : p.y() < q.y();
        });
    };
    const std::size_t drawnCount = runs.drawn.size();
    for (auto* drawn : {&runs.drawn, &expected.drawn}) {
        std::sort(drawn->begin(), drawn->end(), less);
        drawn->erase(std::unique(drawn->begin(), drawn->end()), drawn->end());
    }
    if (runs.drawn.size() != drawnCount || runs.drawn != expected.drawn || runs.error != expected.error)
        __builtin_trap();
    return 0;
}
