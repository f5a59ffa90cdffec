#include "common/color.h"
#include "surface/canvas.h"
#include "surface/floodfill.h"
#include "surface/outline.h"
#include "surface/raster.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <vector>

using namespace qimbora;
using namespace qimbora::raster;

namespace {

// Pictures as rows of characters separated by blanks: '.' background, '#'
// border (the pen colour), 'F' the fill colour.
constexpr std::uint32_t kBack = toPixel(rgbColor(0, 0, 64));
constexpr std::uint32_t kBorder = 0xFFFFFF00;
constexpr std::uint32_t kFill = 0xFFFF0000;

QImage picture(const QString& rows)
{
    const QStringList lines = rows.split(QLatin1Char(' '));
    QImage image(int(lines.first().size()), int(lines.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const char c = lines[y][x].toLatin1();
            image.setPixel(x, y, c == '#' ? kBorder : c == 'F' ? kFill : kBack);
        }
    }
    return image;
}

QString rowsOf(const QImage& image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t p = image.pixel(x, y);
            row += p == kBorder ? '#' : p == kFill ? 'F' : p == kBack ? '.' : '?';
        }
        rows << row;
    }
    return rows.join(QLatin1Char(' '));
}

QImage blank(int width, int height) { return picture(QStringList(height, QString(width, '.')).join(' ')); }

// The plain definition of the fill: a pixel stack, four neighbours, a mask.
void referenceFill(QImage& image, QPoint seed, std::uint32_t fill)
{
    if (!image.rect().contains(seed) || image.pixel(seed) == kBorder)
        return;
    std::vector<bool> seen(std::size_t(image.width() * image.height()));
    std::vector<QPoint> todo{seed};
    seen[std::size_t(seed.y() * image.width() + seed.x())] = true;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        image.setPixel(p, fill);
        for (const QPoint q : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
            const std::size_t index = std::size_t(q.y() * image.width() + q.x());
            if (image.rect().contains(q) && !seen[index] && image.pixel(q) != kBorder) {
                seen[index] = true;
                todo.push_back(q);
            }
        }
    }
}

using Draw = std::function<QRect(QImage&)>;

} // namespace

Q_DECLARE_METATYPE(Draw)

class TestSurface : public QObject {
    Q_OBJECT

private slots:
    // Small pictures with every pixel pinned: what each drawing call paints.
    void pictures_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<Draw>("draw");
        QTest::addColumn<QString>("after");
        const QString empty = "..... ..... ..... ..... .....";
        const auto row = [](const char* what, QString before, Draw draw, const char* after) {
            QTest::newRow(what) << before << draw << QString::fromLatin1(after);
        };
        const auto pen = [](QPoint at, int width) {
            return [=](QImage& i) { return stampPen(i, at, {width, kBorder}); };
        };
        const auto line = [](QPoint a, QPoint b) {
            return [=](QImage& i) { return drawLine(i, a, b, {1, kBorder}); };
        };
        const auto circle = [](int radius, std::optional<std::uint32_t> fill, QPoint center = {2, 2}) {
            return [=](QImage& i) { return drawCircle(i, center, radius, {2, kBorder}, fill); };
        };
        const auto box = [](double left, double top, double right, double bottom, int turn) {
            Contour c{{left, top}, {right, top}, {right, bottom}, {left, bottom}};
            return turn > 0 ? c : Contour(c.rbegin(), c.rend());
        };
        const auto outline = [](std::vector<Contour> contours) {
            return [=](QImage& i) { return fillOutline(i, contours, kBorder); };
        };
        const auto fill
            = [](QPoint seed) { return [=](QImage& i) { return floodFill(i, seed, kBorder, kFill); }; };
        // The pen square: width 2 adds the neighbours left, above and above-left.
        row("pen 2", empty, pen({2, 2}, 2), "..... .##.. .##.. ..... .....");
        row("pen 0 is 1, clipped", empty, pen({0, 0}, 0), "#.... ..... ..... ..... .....");
        // Lines far beyond the image are clipped (the random lines below pin the rest).
        row("far, clipped", empty, line({-1'000'000'000, 2}, {1'000'000'000, 2}),
            "..... ..... ##### ..... .....");
        row(
            "curve on a line", empty,
            [](QImage& i) {
                return drawBezier(i, {QPoint(0, 3), QPoint(1, 3), QPoint(3, 3), QPoint(4, 3)}, {1, kBorder});
            },
            "..... ..... ..... ##### .....");
        // Circles, pen 2: the outline is r - 1 < d <= r + 1, the fill d <= r - 1.
        row("circle 1, filled", empty, circle(1, kFill), "..#.. .###. ##F## .###. ..#..");
        row("circle 2, hollow", empty, circle(2, std::nullopt), "##### ##.## #...# ##.## #####");
        // The edge of the largest circle, where whether a pixel lies within r + 1
        // turns on less than a double holds (the squares pass 2^64).
        constexpr int kLargest = 2'147'483'647;
        row("largest circle's right", empty, circle(kLargest, kFill, {2 - kLargest, 2}),
            "F##.. F##.. FF##. F##.. F##..");
        // Outlines: the pixels whose centres have a non-zero winding number; a
        // centre on the left or top edge is inside, on the right or bottom outside.
        row("outline, centres on edges", empty, outline({box(0.5, 0.5, 3.5, 3.5, 1)}),
            "###.. ###.. ###.. ..... .....");
        row("outline, a hole wound back", empty, outline({box(0, 0, 5, 5, 1), box(1.5, 1.5, 3.5, 3.5, -1)}),
            "##### #..## #..## ##### #####");
        row("outline, overlap wound alike", empty, outline({box(0, 0, 3, 3, 1), box(2, 0, 5, 3, 1)}),
            "##### ##### ##### ..... .....");
        row("outline, slanted", empty, outline({{{0, 0}, {5, 5}, {0, 5}}}), "..... #.... ##... ###.. ####.");
        row("outline, far, clipped", empty, outline({box(-1e12, 3, 1e12, 1e12, -1)}),
            "..... ..... ..... ##### #####");
        // A fill, 4-connected up to border pixels or the edge; the random walls below pin the rest.
        row("fill a U", "#.#.. #.#.# #...# ##### .....", fill({1, 0}), "#F#FF #F#F# #FFF# ##### .....");
    }
    void pictures()
    {
        QFETCH(QString, before);
        QFETCH(Draw, draw);
        QFETCH(QString, after);
        QImage image = picture(before);
        const QRect changed = draw(image);
        QCOMPARE(rowsOf(image), after);
        // The reported rectangle holds every pixel that changed.
        const QImage original = picture(before);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                QVERIFY(image.pixel(x, y) == original.pixel(x, y) || changed.contains(x, y));
        }
    }
    void linesMatchTheirDefinitionAnywhere()
    {
        // Lines inside, across and outside the image, in every direction, against
        // the definition: at each step along the longer axis the pixel across
        // nearest to the exact line (the larger of two equally near), with a
        // width x width square stamped on it.
        QRandomGenerator random(7);
        for (int round = 0; round < 400; ++round) {
            const QPoint from(random.bounded(-10, 50), random.bounded(-10, 40));
            const QPoint to(random.bounded(-10, 50), random.bounded(-10, 40));
            const int width = 1 + int(random.bounded(3));
            QImage image = blank(40, 30);
            drawLine(image, from, to, {width, kBorder});
            QImage expected = blank(40, 30);
            const QPoint d = to - from;
            const bool xMajor = std::abs(d.x()) >= std::abs(d.y());
            const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
            for (int k = 0; k <= steps; ++k) {
                // The exact line at this step, in 1/steps of a pixel; the nearest pixel by search.
                const int along = (xMajor ? d.x() : d.y()) < 0 ? -k : k;
                const long exact = long(k) * (xMajor ? d.y() : d.x());
                int across = 0;
                for (int c = -60; c <= 60; ++c) {
                    const long miss = std::labs(long(c) * steps - exact);
                    const long best = std::labs(long(across) * steps - exact);
                    if (miss < best || (miss == best && c > across))
                        across = c;
                }
                const QPoint at = from + (xMajor ? QPoint(along, across) : QPoint(across, along));
                for (int y = 0; y < width; ++y) {
                    for (int x = 0; x < width; ++x) {
                        const QPoint pixel = at - QPoint(width / 2, width / 2) + QPoint(x, y);
                        if (expected.rect().contains(pixel))
                            expected.setPixel(pixel, kBorder);
                    }
                }
            }
            QVERIFY2(rowsOf(image) == rowsOf(expected),
                     qPrintable(QStringLiteral("round %1 (seed 7): from (%2, %3) to (%4, %5), width %6")
                                    .arg(round)
                                    .arg(from.x())
                                    .arg(from.y())
                                    .arg(to.x())
                                    .arg(to.y())
                                    .arg(width)));
        }
    }
    void floodFillMatchesReferenceOnRandomWalls()
    {
        QRandomGenerator random(2026);
        for (int round = 0; round < 300; ++round) {
            const int width = 1 + int(random.bounded(40));
            const int height = 1 + int(random.bounded(30));
            QImage image = blank(width, height);
            const quint32 density = random.bounded(60u);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const quint32 roll = random.bounded(100u);
                    if (roll < density + 5)
                        image.setPixel(x, y, roll < density ? kBorder : kFill);
                }
            }
            const QPoint seed(int(random.bounded(width)), int(random.bounded(height)));
            const std::uint32_t fill = round % 2 ? kFill : kBorder; // the flower fills in its border colour
            QImage expected = image.copy();
            referenceFill(expected, seed, fill);
            floodFill(image, seed, kBorder, fill);
            QVERIFY2(rowsOf(image) == rowsOf(expected),
                     qPrintable(QStringLiteral("round %1 (seed 2026): %2 x %3, walls %4 %, seed (%5, %6)")
                                    .arg(round)
                                    .arg(width)
                                    .arg(height)
                                    .arg(density)
                                    .arg(seed.x())
                                    .arg(seed.y())));
        }
    }
};

QTEST_MAIN(TestSurface)
#include "test_surface.moc"
