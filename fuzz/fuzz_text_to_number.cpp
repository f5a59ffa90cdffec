// Any text read as a number either gives a finite double or raises one of the
// two documented errors; reading it as an integer agrees with converting that double.
#include "common/convert.h"
#include "common/runtime_error.h"

#include <cmath>
#include <cstdint>
#include <string_view>

using namespace qimbora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0.0;
    try {
        value = textToDouble(text);
    } catch (const RuntimeError& error) {
        if (error.kind() != ErrorKind::TypeMismatch && error.kind() != ErrorKind::Overflow)
            __builtin_trap();
        return 0;
    }
    if (!std::isfinite(value))
        __builtin_trap();
    try {
        if (textToInt32(text) != toInt32(value))
            __builtin_trap();
    } catch (const RuntimeError& error) {
        if (error.kind() != ErrorKind::Overflow || std::fabs(value) < 2147483647.0)
            __builtin_trap();
    }
    return 0;
}
