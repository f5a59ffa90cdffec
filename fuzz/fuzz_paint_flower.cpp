// PaintFlower with arbitrary parameters and pattern text on a small canvas:
// no crash, only the documented errors, every change reported inside the image.
// Input: eight little-endian 32-bit integers (centre x and y, outer and inner
// radius, petal count, rotation, petal and centre colour), then the pattern.
#include "common/runtime_error.h"
#include "paint/flower.h"
#include "surface/canvas.h"

#include "fuzz_input.h"

#include <cstdint>
#include <cstring>
#include <string_view>

using namespace qimbora;
using fuzz::take;

namespace {

constexpr int kMaxPetals = 1000; // keeps one input to milliseconds

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Flower flower;
    flower.centerX = take(data, size);
    flower.centerY = take(data, size);
    flower.outerRadius = take(data, size);
    flower.innerRadius = take(data, size);
    flower.petalCount = take(data, size) % (kMaxPetals + 1);
    flower.rotationDegrees = take(data, size);
    flower.petalColor = take(data, size) & 0xFFFFFF;
    flower.centerColor = take(data, size) & 0xFFFFFF;
    const std::string_view pattern(reinterpret_cast<const char*>(data), size);

    Canvas canvas(QSize(64, 48), rgbColor(0, 0, 64));
    const QRect bounds = canvas.image().rect();
    canvas.setChangeListener([&](const QRect& changed) {
        if (!bounds.contains(changed))
            __builtin_trap();
    });
    try {
        PaintFlower(canvas, pattern, flower);
    } catch (const RuntimeError& error) {
        if (error.kind() == ErrorKind::Platform)
            __builtin_trap();
    }
    if (canvas.image().size() != QSize(64, 48))
        __builtin_trap();
    return 0;
}
