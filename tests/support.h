#pragma once

// Fakes and helpers shared by the test programs.
#include "common/runtime_error.h"
#include "paint/random.h"

#include <QTest>

#include <optional>
#include <vector>

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

// Hands out the given values in order; past the end the test fails.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values)
        : m_values(std::move(values))
    {
    }
    float next() override
    {
        if (m_used >= m_values.size()) {
            QTest::qFail("more draws than scripted", __FILE__, __LINE__);
            return 0.0f;
        }
        return m_values[m_used++];
    }
    std::size_t used() const { return m_used; }

private:
    std::vector<float> m_values;
    std::size_t m_used = 0;
};

} // namespace qimbora::testing
