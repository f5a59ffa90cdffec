#include "paint/petals.h"

#include "common/convert.h"
#include "common/runtime_error.h"
#include "paint/possible_petals.h"
#include "paint/rotation.h"

#include <cmath>
#include <limits>
#include <optional>

namespace qimbora {

namespace {

constexpr std::int32_t kLastPetal = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kTickEvery = 4096;
// Below this many petals stepping by one is quicker than looking for runs. The
// fuzz build lowers it, so that the runs are tried on rings it can afford.
#ifndef QIMBORA_RUNS_FROM
#define QIMBORA_RUNS_FROM 16384
#endif
constexpr std::int64_t kRunsFrom = QIMBORA_RUNS_FROM;
// From this many petals on, the ring stops once it has drawn every petal it can.
#ifndef QIMBORA_COMPLETE_FROM
#define QIMBORA_COMPLETE_FROM 65536
#endif
constexpr std::int64_t kCompleteFrom = QIMBORA_COMPLETE_FROM;
#ifndef QIMBORA_SEARCH_AFTER
#define QIMBORA_SEARCH_AFTER (1 << 20)
#endif
constexpr std::int64_t kSearchAfter = QIMBORA_SEARCH_AFTER;

struct Angles {
    double a;
    double b;
};

// Not (i - 1) * step for b: this grouping decides which pixel a petal ends on.
Angles anglesOf(const PetalRing& ring, std::int64_t i)
{
    return {(double(i) * ring.step) + ring.offset, ((double(i) * ring.step) - ring.step) + ring.offset};
}

struct Trig {
    double cosA, sinA, cosB, sinB;
};

Trig trigOf(const Angles& angles)
{
    return {std::cos(angles.a), std::sin(angles.a), std::cos(angles.b), std::sin(angles.b)};
}

// The eight coordinates before rounding, in the order x0, y0, x1, y1, x2, y2, x3, y3.
using Values = std::array<double, 8>;

Values valuesOf(const PetalRing& r, const Trig& t)
{
    return {t.cosA * r.innerRadius + r.centerX, t.sinA * r.innerRadius + r.centerY,
            t.cosA * r.outerRadius + r.centerX, t.sinA * r.outerRadius + r.centerY,
            t.cosB * r.outerRadius + r.centerX, t.sinB * r.outerRadius + r.centerY,
            t.cosB * r.innerRadius + r.centerX, t.sinB * r.innerRadius + r.centerY};
}

// Rounds as the loop does, raising its errors in its order.
PetalPoints pointsOf(const Values& v)
{
    PetalPoints points;
    for (int k = 0; k < 4; ++k)
        points[k] = QPoint(toInt32(checkedFloat(v[2 * k])), toInt32(checkedFloat(v[2 * k + 1])));
    return points;
}

// Runs of petals that round alike. Between the turning points of sine and
// cosine every coordinate moves monotonically with i (the angles are monotone
// in i, being products and sums of doubles rounded to nearest), so when the
// first and the last petal of a stretch round to the same points with a margin
// that covers the library's error in sine and cosine, so does every petal
// between them, and the stretch is one petal drawn once.
class PetalRuns {
public:
    explicit PetalRuns(const PetalRing& ring)
        : m_ring(ring)
    {
        const double radius[8]
            = {double(ring.innerRadius), double(ring.innerRadius), double(ring.outerRadius),
               double(ring.outerRadius), double(ring.outerRadius), double(ring.outerRadius),
               double(ring.innerRadius), double(ring.innerRadius)};
        for (int k = 0; k < 8; ++k) {
            const double center = k % 2 == 0 ? ring.centerX : ring.centerY;
            // Sine and cosine are within 2 units in the last place (2^-52 at most),
            // the product and the sum add one rounding each: twice that is safe.
            m_margin[k] = (std::fabs(radius[k]) + std::fabs(center) + 1.0) * 0x1p-48;
        }
    }

    // Whether the angles of petals first to last stay where their zones can be
    // told apart exactly.
    bool anglesExact(std::int64_t first, std::int64_t last) const
    {
        for (std::int64_t i : {first, last}) {
            const Angles angles = anglesOf(m_ring, i);
            for (double angle : {angles.a, angles.b}) {
                if (!(std::fabs(angle * kQuarterTurns) < 0x1p30))
                    return false;
            }
        }
        return true;
    }

    // The last petal from `from` up to `last` that is known to round to
    // `points`, as every petal between them does; `from` itself when none is.
    std::int64_t lastAlike(std::int64_t from, const PetalPoints& points, std::int64_t last) const
    {
        const Probe start = probe(from);
        if (!start.interior() || !roundsSafelyTo(start.values, points))
            return from;
        const auto alike = [&](std::int64_t i) {
            const Probe p = probe(i);
            return p.zoneA == start.zoneA && p.zoneB == start.zoneB && roundsSafelyTo(p.values, points);
        };
        // Gallop out from `from`, then halve the gap between alike and not.
        std::int64_t good = from;
        std::int64_t bad = last + 1;
        for (std::int64_t span = 1; good < last; span *= 2) {
            const std::int64_t i = std::min(from + span, last);
            if (!alike(i)) {
                bad = i;
                break;
            }
            good = i;
        }
        while (bad - good > 1) {
            const std::int64_t middle = good + (bad - good) / 2;
            (alike(middle) ? good : bad) = middle;
        }
        return good;
    }

private:
    static constexpr double kQuarterTurns = 0.63661977236758134308; // 2 / pi
    // Angles this close to a multiple of a quarter turn (in quarter turns) lie
    // where sine or cosine may turn: those petals are taken one by one.
    static constexpr double kNearTurn = 1e-6;

    struct Probe {
        std::int64_t zoneA;
        std::int64_t zoneB;
        Values values;
        bool interior() const { return zoneA % 2 != 0 && zoneB % 2 != 0; }
    };

    // Odd inside a quarter turn, even near its ends; never decreases as the angle grows.
    static std::int64_t zoneOf(double angle)
    {
        const double t = angle * kQuarterTurns;
        const double whole = std::floor(t);
        const double part = t - whole;
        if (part < kNearTurn)
            return 2 * std::int64_t(whole);
        if (part > 1.0 - kNearTurn)
            return 2 * std::int64_t(whole) + 2;
        return 2 * std::int64_t(whole) + 1;
    }

    Probe probe(std::int64_t i) const
    {
        const Angles angles = anglesOf(m_ring, i);
        return {zoneOf(angles.a), zoneOf(angles.b), valuesOf(m_ring, trigOf(angles))};
    }

    bool roundsSafelyTo(const Values& v, const PetalPoints& points) const
    {
        for (int k = 0; k < 8; ++k) {
            const double target = k % 2 == 0 ? points[k / 2].x() : points[k / 2].y();
            if (!(std::fabs(v[k] - target) < 0.5 - m_margin[k]))
                return false;
        }
        return true;
    }

    const PetalRing& m_ring;
    double m_margin[8];
};

} // namespace

void drawPetals(const PetalRing& ring, std::int32_t count,
                const std::function<void(const PetalPoints&)>& draw, const StillDrawing& stillDrawing)
{
    const PetalRuns runs(ring);
    // Long rings step over runs of petals that round alike; the rest step by one.
    const bool overRuns = count >= kRunsFrom && runs.anglesExact(1, count);
    std::optional<PossiblePetals> possible;
    if (count >= kCompleteFrom)
        possible = PossiblePetals::of(ring, count);
    PetalSet drawn;
    std::int64_t steps = 0;
    const auto tick = [&] {
        if (++steps % kTickEvery == 0 && stillDrawing)
            stillDrawing();
    };
    // Draws a petal not drawn before; true once every petal the ring can make is drawn.
    const auto drawNew = [&](const PetalPoints& points) {
        if (!drawn.insert(points).second)
            return false;
        draw(points);
        return possible && possible->completedBy(points);
    };

    std::optional<PetalPoints> previous;
    // The sine and cosine of b are taken over from the a of the petal before
    // when the two angles are equal to the bit, as they usually are.
    double lastA = std::numeric_limits<double>::quiet_NaN();
    Trig t{};
    std::int64_t i = 1;
    for (; i <= count; ++i) {
        tick();
        const Angles angles = anglesOf(ring, i);
        checkedFloat(angles.a);
        checkedFloat(angles.b);
        t.cosB = angles.b == lastA ? t.cosA : std::cos(angles.b);
        t.sinB = angles.b == lastA ? t.sinA : std::sin(angles.b);
        t.cosA = std::cos(angles.a);
        t.sinA = std::sin(angles.a);
        lastA = angles.a;
        const PetalPoints points = pointsOf(valuesOf(ring, t));
        if (points != previous && drawNew(points))
            break;
        previous = points;
        if (overRuns)
            i = runs.lastAlike(i, points, count);
        // Past this much walking, the petals still missing are looked for where they can come.
        if (possible && possible->trusted() && steps >= kSearchAfter)
            break;
    }
    if (i < count && possible && possible->trusted()) {
        // Each missing petal is looked for among the petals whose angle a falls
        // in one of its arcs, until it is drawn or none are left.
        const Rotation rotation(ring.step, ring.offset);
        for (const PossiblePetals::Missing& missing : possible->missing()) {
            for (std::int64_t from = i + 1; drawn.count(missing.petal) == 0;) {
                const std::optional<std::int64_t> at
                    = rotation.firstIn(missing.arc.low, missing.arc.high, from, count);
                if (!at)
                    break;
                tick();
                if (drawNew(pointsOf(valuesOf(ring, trigOf(anglesOf(ring, *at))))))
                    break;
                from = *at + 1;
            }
        }
    }
    // The 32-bit counter's step past the last petal overflows, as that counter would.
    if (count == kLastPetal)
        throw RuntimeError(ErrorKind::Overflow);
}

} // namespace qimbora
