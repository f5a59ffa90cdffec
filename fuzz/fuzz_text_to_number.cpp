// Any text read as a number either gives a finite double or raises one of the
// two documented errors.
#include "common/convert.h"
#include "common/runtime_error.h"

#include <cmath>
#include <cstdint>
#include <string_view>

using namespace qimbora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        if (!std::isfinite(textToDouble(text)))
            __builtin_trap();
    } catch (const RuntimeError& error) {
        if (error.kind() != ErrorKind::TypeMismatch && error.kind() != ErrorKind::Overflow)
            __builtin_trap();
    }
    return 0;
}
