#pragma once

#include "paint/modular.h"

#include <cstdint>
#include <optional>

namespace qimbora {

// The angles i * step + start of a ring's petals, held as 63-bit fractions of a
// turn, so that the indices whose angle falls in an arc are found without
// visiting the others.
class IndexAngles {
public:
    IndexAngles(double step, double start);

    // The indices from `from` to `last`, in order, whose angle lies in an arc.
    class Hits {
    public:
        std::optional<std::int64_t> next();

    private:
        friend class IndexAngles;
        Hits(const modular::ArcHits& hits, std::int64_t from, std::int64_t last);
        modular::ArcHits m_hits;
        std::int64_t m_from;
        std::int64_t m_last;
    };

    // The arc is [low, high] (radians, low <= high) with kStray more on either
    // side: for up to 2^31 indices and |step| up to 2^40 the fractions stray
    // from the exact angles by less than that (docs/petal-search.md, "Finding
    // indices").
    Hits in(double low, double high, std::int64_t from, std::int64_t last) const;

    static constexpr double kStray = 1e-8;

private:
    std::uint64_t m_step;
    std::uint64_t m_start;
};

} // namespace qimbora
