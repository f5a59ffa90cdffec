// The petal loop against the plain definition, on rings of up to 4096 petals,
// with limits that look for runs from 16 petals on and for the missing petals
// after a few steps: the same set of petals drawn, each once, and the same
// error after the same petals.
// Input: six little-endian 32-bit integers (centre x and y, outer and inner
// radius, petal count, rotation in degrees), then the pattern as a double.
#include "common/runtime_error.h"
#include "paint/petals.h"

#include "../tests/plain_petals.h"
#include "fuzz_input.h"

#include <cstring>

using namespace qimbora;
using fuzz::take;

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

    testing::PetalOutcome runs;
    const PetalLimits early{.runsFrom = 16, .completeFrom = 16, .searchAfter = 8};
    try {
        drawPetals(
            ring, count, [&](const PetalPoints& points) { runs.drawn.push_back(points); }, {}, early);
    } catch (const RuntimeError& error) {
        runs.error = error.kind();
    }
    const std::size_t drawnCount = runs.drawn.size();
    testing::sortDistinct(runs.drawn);
    const testing::PetalOutcome expected = testing::plainPetals(ring, count);
    if (runs.drawn.size() != drawnCount || runs.drawn != expected.drawn || runs.error != expected.error)
        __builtin_trap();
    return 0;
}
