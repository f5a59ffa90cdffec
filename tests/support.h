#pragma once

// Fakes and helpers shared by the test programs.
#include "common/runtime_error.h"

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

} // namespace qimbora::testing
