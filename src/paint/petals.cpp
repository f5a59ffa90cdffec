#include "paint/petals.h"

#include "common/convert.h"
#include "common/runtime_error.h"
#include "paint/index_angles.h"
#include "paint/petal_runs.h"
#include "paint/possible_petals.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace qimbora {

namespace {

constexpr std::int32_t kLastPetal = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kTickEvery = 4096;
// Drawing a petal's curve costs about as much as this many steps.
constexpr std::int64_t kStepsPerPetalDrawn = 64;

class PetalDrawer {
public:
    PetalDrawer(const PetalRing& ring, std::int32_t count, const DrawPetal& draw,
                const StillDrawing& stillDrawing, const PetalLimits& limits)
        : m_ring(ring)
        , m_count(count)
        , m_draw(draw)
        , m_stillDrawing(stillDrawing)
        , m_limits(limits)
    {
        if (count >= limits.completeFrom)
            m_possible = PossiblePetals::of(ring, count);
    }

    enum class Then { Search, WalkOn };

    // Walks the petals from `first`, by one or over runs of alike petals,
    // until the search may take over if so told. Returns the last index
    // walked: count once nothing is left to draw.
    std::int64_t walk(std::int64_t first, Then then)
    {
        const PetalRuns runs(m_ring);
        const bool overRuns = m_count >= m_limits.runsFrom && runs.anglesExact(1, m_count);
        std::optional<PetalPoints> previous;
        // The sine and cosine of b are taken over from the a of the petal before
        // when the two angles are equal to the bit, as they usually are.
        double lastA = std::numeric_limits<double>::quiet_NaN();
        PetalTrig t{};
        for (std::int64_t i = first; i <= m_count; ++i) {
            if (!tick())
                return i - 1;
            const PetalAngles angles = anglesOf(m_ring, i);
            checkedFloat(angles.a);
            checkedFloat(angles.b);
            t.cosB = angles.b == lastA ? t.cosA : std::cos(angles.b);
            t.sinB = angles.b == lastA ? t.sinA : std::sin(angles.b);
            t.cosA = std::cos(angles.a);
            t.sinA = std::sin(angles.a);
            lastA = angles.a;
            const PetalPoints points = pointsOf(valuesOf(m_ring, t));
            if (points != previous && drawNew(points))
                return m_count;
            previous = points;
            if (overRuns)
                i = runs.lastAlike(i, points, m_count);
            if (then == Then::Search && searchable() && m_steps >= m_limits.searchAfter)
                return i;
        }
        return m_count;
    }

    // Looks for each petal still missing among the petals after `walked` whose
    // angle a falls where that petal may come, until it is drawn or none are
    // left. False when the search took as many steps as walking the rest
    // would, and stopped.
    bool search(std::int64_t walked)
    {
        if (!searchable())
            return true;
        m_possible->walkedThrough(walked);
        if (m_possible->allDrawn())
            return true;
        const std::int64_t stepsToWalk = m_steps + (m_count - walked);
        const IndexAngles angles(m_ring.step, m_ring.offset);
        for (const PossiblePetals::Place& place : m_possible->missing()) {
            IndexAngles::Hits hits
                = angles.in(place.low, place.high, std::max(walked + 1, place.first), place.last);
            while (m_drawn.count(place.petal) == 0) {
                const std::optional<std::int64_t> at = hits.next();
                if (!at)
                    break;
                if (m_steps >= stepsToWalk)
                    return false;
                if (!tick() || drawNew(petalAt(m_ring, *at)))
                    return true;
            }
        }
        return true;
    }

private:
    bool searchable() const { return m_possible && m_possible->accountsForDrawn(); }

    // Counts a step; false once the ring has taken all it may.
    bool tick()
    {
        ++m_cost;
        if (++m_steps % kTickEvery == 0 && m_stillDrawing)
            m_stillDrawing();
        return m_cost <= m_limits.mostSteps;
    }

    // Draws a petal not drawn before; true once every petal the ring can make is drawn.
    bool drawNew(const PetalPoints& points)
    {
        if (!m_drawn.insert(points).second)
            return false;
        m_draw(points);
        m_cost += kStepsPerPetalDrawn;
        if (!m_possible)
            return false;
        m_possible->markDrawn(points);
        return m_possible->allDrawn();
    }

    const PetalRing& m_ring;
    const std::int32_t m_count;
    const DrawPetal& m_draw;
    const StillDrawing& m_stillDrawing;
    const PetalLimits& m_limits;
    std::optional<PossiblePetals> m_possible;
    PetalSet m_drawn;
    std::int64_t m_steps = 0;
    std::int64_t m_cost = 0; // the steps and the petals drawn, as the budget counts them
};

} // namespace

void drawPetals(const PetalRing& ring, std::int32_t count, const DrawPetal& draw,
                const StillDrawing& stillDrawing, const PetalLimits& limits)
{
    PetalDrawer drawer(ring, count, draw, stillDrawing, limits);
    const std::int64_t walked = drawer.walk(1, PetalDrawer::Then::Search);
    // A search that costs more than walking the rest gives way to the walk.
    if (walked < count && !drawer.search(walked))
        drawer.walk(walked + 1, PetalDrawer::Then::WalkOn);
    // The 32-bit counter's step past the last petal overflows, as that counter would.
    if (count == kLastPetal)
        throw RuntimeError(ErrorKind::Overflow);
}

} // namespace qimbora
