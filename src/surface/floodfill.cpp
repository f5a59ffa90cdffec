#include "surface/floodfill.h"

#include <algorithm>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace qimbora::raster {

namespace {

// A run of row y, from left to right inclusive, whose neighbours in row
// y + dy are still to be explored; row y - dy is where it came from.
struct Segment {
    int y;
    int left;
    int right;
    int dy;
};

struct Span {
    int y;
    int left;
    int right; // inclusive
};

// The inner loops test and write four or eight pixels per step where they can.
#ifdef __SSE2__
// One bit per byte of the four pixels at `at` that equal the wall: 0 when none
// does, 0xFFFF when all do.
int wallMask(const std::uint32_t* at, __m128i wall)
{
    return _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), wall));
}

void storeFour(std::uint32_t* at, __m128i wall) { _mm_storeu_si128(reinterpret_cast<__m128i*>(at), wall); }
#endif

// Paints border over row[x..] up to the first border pixel or `end`; returns
// that position.
int paintRight(std::uint32_t* row, int x, int end, std::uint32_t border)
{
#ifdef __SSE2__
    const __m128i wall = _mm_set1_epi32(int(border));
    for (; x + 8 <= end && (wallMask(row + x, wall) | wallMask(row + x + 4, wall)) == 0; x += 8) {
        storeFour(row + x, wall);
        storeFour(row + x + 4, wall);
    }
    for (; x + 4 <= end && wallMask(row + x, wall) == 0; x += 4)
        storeFour(row + x, wall);
#endif
    for (; x < end && row[x] != border; ++x)
        row[x] = border;
    return x;
}

// Paints border over row[..x] leftwards down to the first border pixel or
// position 0; returns the leftmost position painted (x + 1 when none).
int paintLeft(std::uint32_t* row, int x, std::uint32_t border)
{
#ifdef __SSE2__
    const __m128i wall = _mm_set1_epi32(int(border));
    for (; x >= 3 && wallMask(row + x - 3, wall) == 0; x -= 4)
        storeFour(row + x - 3, wall);
#endif
    for (; x >= 0 && row[x] != border; --x)
        row[x] = border;
    return x + 1;
}

// The first position from x up to `last` inclusive that is not border, or last + 1.
int skipBorder(const std::uint32_t* row, int x, int last, std::uint32_t border)
{
#ifdef __SSE2__
    const __m128i wall = _mm_set1_epi32(int(border));
    while (x + 3 <= last && wallMask(row + x, wall) == 0xFFFF)
        x += 4;
#endif
    while (x <= last && row[x] == border)
        ++x;
    return x;
}

} // namespace

QRect floodFill(QImage& image, QPoint seed, std::uint32_t border, std::uint32_t fill)
{
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    if (!image.rect().contains(seed))
        return {};
    const int width = image.width();
    const int height = image.height();
    auto* bits = reinterpret_cast<std::uint32_t*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    auto rowAt = [&](int y) { return bits + stride * y; };
    if (rowAt(seed.y())[seed.x()] == border)
        return {};

    // The fill first paints the border colour, which marks a pixel as done; when
    // the fill colour differs, the recorded runs are repainted at the end. So no
    // pixel is visited twice and no mask of the whole image is needed.
    const bool repaint = fill != border;
    std::vector<Span> spans;
    std::vector<Segment> stack;
    stack.reserve(1024);
    int top = seed.y(), bottom = seed.y(), leftMost = seed.x(), rightMost = seed.x();
    auto painted = [&](int y, int left, int right) {
        if (repaint)
            spans.push_back({y, left, right});
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        leftMost = std::min(leftMost, left);
        rightMost = std::max(rightMost, right);
    };
    auto push = [&](int y, int left, int right, int dy) {
        if (y + dy >= 0 && y + dy < height)
            stack.push_back({y, left, right, dy});
    };

    // The seed's own run, then its rows above and below.
    std::uint32_t* seedRow = rowAt(seed.y());
    const int seedLeft = paintLeft(seedRow, seed.x() - 1, border);
    const int seedEnd = paintRight(seedRow, seed.x(), width, border);
    painted(seed.y(), seedLeft, seedEnd - 1);
    push(seed.y(), seedLeft, seedEnd - 1, 1);
    push(seed.y(), seedLeft, seedEnd - 1, -1);

    while (!stack.empty()) {
        const Segment s = stack.back();
        stack.pop_back();
        const int y = s.y + s.dy;
        std::uint32_t* row = rowAt(y);
        // A run of row y from left to end - 1 is painted: explore onwards, and back
        // into the row it came from where it reaches beyond the segment.
        auto paintedRun = [&](int left, int end) {
            painted(y, left, end - 1);
            push(y, left, end - 1, s.dy);
            if (left < s.left)
                push(y, left, s.left - 1, -s.dy);
            if (end - 1 > s.right)
                push(y, s.right + 1, end - 1, -s.dy);
        };
        int x = s.left;
        if (row[x] != border) {
            const int left = paintLeft(row, x - 1, border);
            const int end = paintRight(row, x, width, border);
            paintedRun(left, end);
            x = end + 1;
        }
        while ((x = skipBorder(row, x, s.right, border)) <= s.right) {
            const int end = paintRight(row, x, width, border);
            paintedRun(x, end);
            x = end + 1;
        }
    }

    for (const Span& span : spans)
        std::fill(rowAt(span.y) + span.left, rowAt(span.y) + span.right + 1, fill);
    return QRect(QPoint(leftMost, top), QPoint(rightMost, bottom));
}

} // namespace qimbora::raster
