#include "floodfill.h"

#include <algorithm>
#include <vector>

namespace qimbora::raster {

namespace {

struct Span {
    int y;
    int left;
    int right; // inclusive
};

struct Seed {
    int x;
    int y;
};

// Pushes the start of every run of non-border pixels of row y between left and right.
void pushRuns(const std::uint32_t* row, int y, int left, int right, std::uint32_t border,
              std::vector<Seed>& stack)
{
    int x = left;
    while (x <= right) {
        while (x <= right && row[x] == border)
            ++x;
        if (x > right)
            return;
        stack.push_back({x, y});
        while (x <= right && row[x] != border)
            ++x;
    }
}

} // namespace

QRect floodFill(QImage& image, QPoint seed, std::uint32_t border, std::uint32_t fill)
{
    if (!image.rect().contains(seed))
        return {};
    const int width = image.width();
    const int height = image.height();
    auto rowAt = [&](int y) { return reinterpret_cast<std::uint32_t*>(image.scanLine(y)); };
    if (rowAt(seed.y())[seed.x()] == border)
        return {};

    // The fill first paints the border colour, which marks a pixel as done; when
    // the fill colour differs, the recorded spans are repainted at the end. So no
    // pixel is visited twice and no mask of the whole image is needed.
    std::vector<Seed> stack;
    stack.reserve(256);
    std::vector<Span> spans;
    stack.push_back({seed.x(), seed.y()});
    int top = seed.y(), bottom = seed.y(), leftMost = seed.x(), rightMost = seed.x();

    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        std::uint32_t* row = rowAt(s.y);
        if (row[s.x] == border)
            continue;
        int left = s.x;
        while (left > 0 && row[left - 1] != border)
            --left;
        int right = s.x;
        while (right + 1 < width && row[right + 1] != border)
            ++right;
        std::fill(row + left, row + right + 1, border);
        if (fill != border)
            spans.push_back({s.y, left, right});
        top = std::min(top, s.y);
        bottom = std::max(bottom, s.y);
        leftMost = std::min(leftMost, left);
        rightMost = std::max(rightMost, right);
        if (s.y > 0)
            pushRuns(rowAt(s.y - 1), s.y - 1, left, right, border, stack);
        if (s.y + 1 < height)
            pushRuns(rowAt(s.y + 1), s.y + 1, left, right, border, stack);
    }

    if (fill != border) {
        for (const Span& span : spans)
            std::fill(rowAt(span.y) + span.left, rowAt(span.y) + span.right + 1, fill);
    }
    return QRect(QPoint(leftMost, top), QPoint(rightMost, bottom));
}

} // namespace qimbora::raster
