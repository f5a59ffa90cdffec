#pragma once

// Fakes and helpers shared by the test programs.
#include "common/runtime_error.h"
#include "paint/random.h"

#include <QTest>

#include <optional>

namespace qimbora::testing {

// The kind of RuntimeError a call raises, or nothing.
template <typename F>
std::optional<ErrorKind> errorOf(F&& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    return std::nullopt;
}

// The program's generator, counting its draws.
class CountingRandom final : public RandomSource {
public:
    float next() override
    {
        ++draws;
        return generator.next();
    }
    Pcg32 generator;
    int draws = 0;
};

} // namespace qimbora::testing
