#include "font/clogfont.h"
#include "font/qt_font_service.h"
#include "font/std_font.h"
#include "surface/canvas.h"
#include "surface/floodfill.h"
#include "surface/raster.h"

#include "support.h"

#include <QRandomGenerator>
#include <QTest>

#include <vector>

using namespace qimbora;
using namespace qimbora::raster;

namespace {

// Pictures as rows of characters: '.' background, '#' border (the pen colour),
// 'F' the fill colour, 'o' any other colour.
constexpr std::uint32_t kBack = toPixel(rgbColor(0, 0, 64));
constexpr std::uint32_t kBorder = toPixel(0xFFFF);
constexpr std::uint32_t kFill = toPixel(0xFF);
constexpr std::uint32_t kOther = toPixel(rgbColor(0, 200, 0));

QImage picture(const QStringList& rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const char c = rows[y][x].toLatin1();
            image.setPixel(x, y, c == '#' ? kBorder : c == 'F' ? kFill : c == 'o' ? kOther : kBack);
        }
    }
    return image;
}

QStringList rowsOf(const QImage& image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t p = image.pixel(x, y);
            row += p == kBorder ? '#' : p == kFill ? 'F' : p == kOther ? 'o' : p == kBack ? '.' : '?';
        }
        rows << row;
    }
    return rows;
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBack);
    return image;
}

// The plain definition of the fill: a pixel queue, four neighbours, a mask.
void referenceFill(QImage& image, QPoint seed, std::uint32_t border, std::uint32_t fill)
{
    if (!image.rect().contains(seed) || image.pixel(seed) == border)
        return;
    std::vector<bool> seen(std::size_t(image.width() * image.height()));
    std::vector<QPoint> todo{seed};
    seen[std::size_t(seed.y() * image.width() + seed.x())] = true;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        image.setPixel(p, fill);
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (!image.rect().contains(q))
                continue;
            const std::size_t index = std::size_t(q.y() * image.width() + q.x());
            if (seen[index] || image.pixel(q) == border)
                continue;
            seen[index] = true;
            todo.push_back(q);
        }
    }
}

} // namespace

class TestSurface : public QObject {
    Q_OBJECT

private slots:
    void penCoversItsSquare_data();
    void penCoversItsSquare();
    void linesAreExact_data();
    void linesAreExact();
    void farLineCostsOnlyItsVisiblePart();
    void linesMatchTheirDefinitionAnywhere();
    void bezierEndsExactlyOnItsEnds();
    void circleOutlineAndFill_data();
    void circleOutlineAndFill();
    void circleFarAwayFollowsItsDefinition();
    void floodFill_data();
    void floodFill();
    void floodFillMatchesReferenceOnRandomWalls();
    void canvasReportsWhatChanged();
    void transparentFillStylePaintsNothing();
    void printedTextIsExactInk();
    void printRunsAlongTheBaselineAngle_data();
    void printRunsAlongTheBaselineAngle();
    void selectObjectKeepsTheFontBefore();
};

void TestSurface::penCoversItsSquare_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("expected");
    // Width 2 covers the pixel and its neighbours left, above and above-left.
    QTest::newRow("width 2") << QPoint(2, 2) << 2 << QStringList{"....", ".##.", ".##.", "...."};
    QTest::newRow("width 1") << QPoint(2, 2) << 1 << QStringList{"....", "....", "..#.", "...."};
    QTest::newRow("width 0 is 1") << QPoint(1, 1) << 0 << QStringList{"....", ".#..", "....", "...."};
    QTest::newRow("width 3") << QPoint(1, 1) << 3 << QStringList{"###.", "###.", "###.", "...."};
    // Clipped silently at the corner.
    QTest::newRow("corner") << QPoint(0, 0) << 2 << QStringList{"#...", "....", "....", "...."};
    QTest::newRow("outside") << QPoint(9, 9) << 2 << QStringList{"....", "....", "....", "...."};
}

void TestSurface::penCoversItsSquare()
{
    QFETCH(QPoint, at);
    QFETCH(int, width);
    QFETCH(QStringList, expected);
    QImage image = blank(4, 4);
    stampPen(image, at, {width, kBorder});
    QCOMPARE(rowsOf(image), expected);
}

void TestSurface::linesAreExact_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("horizontal") << QPoint(1, 1) << QPoint(4, 1) << QStringList{"......", ".####.", "......"};
    QTest::newRow("backwards") << QPoint(4, 1) << QPoint(1, 1) << QStringList{"......", ".####.", "......"};
    QTest::newRow("single point") << QPoint(2, 1) << QPoint(2, 1)
                                  << QStringList{"......", "..#...", "......"};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(2, 2) << QStringList{"#.....", ".#....", "..#..."};
    // A shallow slope steps once, at the middle (halves rounded up).
    QTest::newRow("shallow") << QPoint(0, 0) << QPoint(5, 1) << QStringList{"###...", "...###", "......"};
    QTest::newRow("steep") << QPoint(0, 0) << QPoint(1, 2) << QStringList{"#.....", ".#....", ".#...."};
    QTest::newRow("clipped") << QPoint(-3, 1) << QPoint(2, 1) << QStringList{"......", "###...", "......"};
}

void TestSurface::linesAreExact()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QStringList, expected);
    QImage image = blank(6, 3);
    drawLine(image, from, to, {1, kBorder});
    QCOMPARE(rowsOf(image), expected);
}

void TestSurface::farLineCostsOnlyItsVisiblePart()
{
    // Two billion steps long; only the four visible ones are walked.
    QImage image = blank(4, 3);
    const QRect changed = drawLine(image, QPoint(-1'000'000'000, 1), QPoint(1'000'000'000, 1), {1, kBorder});
    QCOMPARE(rowsOf(image), (QStringList{"....", "####", "...."}));
    QCOMPARE(changed, QRect(0, 1, 4, 1));
}

void TestSurface::linesMatchTheirDefinitionAnywhere()
{
    // Lines inside, across and outside the image, in every direction, against the
    // plain definition: at step k along the longer axis the minor coordinate is
    // floor((2 k minor + steps) / (2 steps)), the pen stamped there.
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
        const int steps = xMajor ? std::abs(d.x()) : std::abs(d.y());
        const int major = xMajor ? d.x() : d.y();
        const int minor = xMajor ? d.y() : d.x();
        for (int k = 0; k <= steps; ++k) {
            const int offset = steps == 0 ? 0 : int(std::floor((2.0 * k * minor + steps) / (2.0 * steps)));
            const int along = (major < 0 ? -k : k);
            const QPoint at = xMajor ? from + QPoint(along, offset) : from + QPoint(offset, along);
            stampPen(expected, at, {width, kBorder});
        }
        QCOMPARE(rowsOf(image), rowsOf(expected));
    }
}

void TestSurface::bezierEndsExactlyOnItsEnds()
{
    // Control points on a straight line: the curve is that line, ends included.
    QImage straight = blank(10, 2);
    drawBezier(straight, {QPoint(0, 0), QPoint(3, 0), QPoint(6, 0), QPoint(9, 0)}, {1, kBorder});
    QCOMPARE(rowsOf(straight), (QStringList{"##########", ".........."}));

    // Four curves that close a loop hold a fill: nothing leaks to the corners.
    QImage loop = blank(21, 21);
    const QPoint n(10, 2), e(18, 10), s(10, 18), w(2, 10);
    drawBezier(loop, {n, QPoint(16, 0), QPoint(20, 4), e}, {1, kBorder});
    drawBezier(loop, {e, QPoint(20, 16), QPoint(16, 20), s}, {1, kBorder});
    drawBezier(loop, {s, QPoint(4, 20), QPoint(0, 16), w}, {1, kBorder});
    drawBezier(loop, {w, QPoint(0, 4), QPoint(4, 0), n}, {1, kBorder});
    raster::floodFill(loop, QPoint(10, 10), kBorder, kFill);
    for (const QPoint corner : {QPoint(0, 0), QPoint(20, 0), QPoint(0, 20), QPoint(20, 20)})
        QCOMPARE(loop.pixel(corner), kBack);
    QCOMPARE(loop.pixel(10, 10), kFill);
    for (const QPoint end : {n, e, s, w})
        QCOMPARE(loop.pixel(end), kBorder);
}

void TestSurface::circleOutlineAndFill_data()
{
    QTest::addColumn<int>("radius");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QStringList>("expected");
    // Radius 2, pen 2: the outline is 1 < d <= 3, the fill d <= 1.
    QTest::newRow("radius 2 filled") << 2 << true << QStringList{"...#...", ".#####.", ".##F##.", "##FFF##",
                                                                 ".##F##.", ".#####.", "...#..."};
    QTest::newRow("radius 2 hollow") << 2 << false << QStringList{"...#...", ".#####.", ".##.##.", "##...##",
                                                                  ".##.##.", ".#####.", "...#..."};
    QTest::newRow("radius 0") << 0 << true << QStringList{".......", ".......", "...#...", "..###..",
                                                          "...#...", ".......", "......."};
    QTest::newRow("negative radius") << -1 << true << QStringList{".......", ".......", ".......", ".......",
                                                                  ".......", ".......", "......."};
}

void TestSurface::circleOutlineAndFill()
{
    QFETCH(int, radius);
    QFETCH(bool, filled);
    QFETCH(QStringList, expected);
    QImage image = blank(7, 7);
    drawCircle(image, QPoint(3, 3), radius, {2, kBorder}, filled ? std::optional(kFill) : std::nullopt);
    QCOMPARE(rowsOf(image), expected);
}

void TestSurface::circleFarAwayFollowsItsDefinition()
{
    // A centre two billion pixels away: the squares need more than 64 bits, and
    // each pixel still takes the outline when r - 1 < d <= r + 1, the fill inside.
    __extension__ typedef __int128 Wide;
    const QPoint centre(-2'000'000'000, 10);
    const int radius = 2'000'000'005;
    QImage image = blank(12, 20);
    drawCircle(image, centre, radius, {2, kBorder}, kFill);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 12; ++x) {
            const Wide dx = Wide(x) - centre.x(), dy = Wide(y) - centre.y();
            const Wide d4 = 4 * (dx * dx + dy * dy);
            const Wide inner = Wide(2LL * radius - 2) * (2LL * radius - 2);
            const Wide outer = Wide(2LL * radius + 2) * (2LL * radius + 2);
            const std::uint32_t expected = d4 > outer ? kBack : d4 > inner ? kBorder : kFill;
            QCOMPARE(image.pixel(x, y), expected);
        }
    }
    QCOMPARE(image.pixel(0, 10), kFill);
    QCOMPARE(image.pixel(5, 10), kBorder);
    QCOMPARE(image.pixel(11, 10), kBack);
}

void TestSurface::floodFill_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<QStringList>("after");
    // A wall one pixel wide holds.
    QTest::newRow("wall") << QStringList{"..#..", "..#..", "..#.."} << QPoint(0, 1)
                          << QStringList{"FF#..", "FF#..", "FF#.."};
    // Four-connected: a diagonal gap does not let the fill through.
    QTest::newRow("diagonal gap") << QStringList{"..#", ".#.", "#.."} << QPoint(0, 0)
                                  << QStringList{"FF#", "F#.", "#.."};
    // Up and down again around the walls of a U.
    QTest::newRow("u shape") << QStringList{"#.#...", "#.#.#.", "#.#.#.", "#...#.", "#####."} << QPoint(1, 0)
                             << QStringList{"#F#FFF", "#F#F#F", "#F#F#F", "#FFF#F", "#####F"};
    // Other colours are not borders; pixels that already have the fill colour are filled through.
    QTest::newRow("through other colours")
        << QStringList{".oF#.", "Fo.#."} << QPoint(0, 0) << QStringList{"FFF#.", "FFF#."};
    QTest::newRow("seed on the edge")
        << QStringList{"...", "###", "..."} << QPoint(2, 2) << QStringList{"...", "###", "FFF"};
    // A seed on a border pixel or outside the image paints nothing.
    QTest::newRow("seed on border") << QStringList{"...", ".#.", "..."} << QPoint(1, 1)
                                    << QStringList{"...", ".#.", "..."};
    QTest::newRow("seed outside") << QStringList{"...", "..."} << QPoint(3, 0) << QStringList{"...", "..."};
    QTest::newRow("seed negative") << QStringList{"...", "..."} << QPoint(-1, 0) << QStringList{"...", "..."};
}

void TestSurface::floodFill()
{
    QFETCH(QStringList, before);
    QFETCH(QPoint, seed);
    QFETCH(QStringList, after);
    QImage image = picture(before);
    raster::floodFill(image, seed, kBorder, kFill);
    QCOMPARE(rowsOf(image), after);
}

void TestSurface::floodFillMatchesReferenceOnRandomWalls()
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
                if (roll < density)
                    image.setPixel(x, y, kBorder);
                else if (roll < density + 5)
                    image.setPixel(x, y, kFill);
            }
        }
        const QPoint seed(int(random.bounded(width)), int(random.bounded(height)));
        const std::uint32_t fill = round % 2 ? kFill : kBorder; // the flower fills in its border colour
        const QImage original = image.copy();
        QImage expected = image.copy();
        referenceFill(expected, seed, kBorder, fill);
        const QRect changed = raster::floodFill(image, seed, kBorder, fill);
        QCOMPARE(rowsOf(image), rowsOf(expected));
        // The reported rectangle holds every pixel that changed.
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (image.pixel(x, y) != original.pixel(x, y))
                    QVERIFY(changed.contains(x, y));
            }
        }
    }
}

void TestSurface::canvasReportsWhatChanged()
{
    Canvas canvas(QSize(20, 10), rgbColor(0, 0, 64));
    QList<QRect> reports;
    canvas.setChangeListener([&](const QRect& r) { reports << r; });
    canvas.setForeColor(0xFFFF);
    canvas.setDrawWidth(1);
    canvas.polyBezier({QPoint(2, 3), QPoint(4, 3), QPoint(6, 3), QPoint(8, 3)});
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports[0].contains(QRect(2, 3, 7, 1)));
    QVERIFY(reports[0].height() <= 2 && reports[0].width() <= 9);

    // Setting the background erases everything and reports the whole image.
    canvas.setBackColor(rgbColor(10, 20, 30));
    QCOMPARE(reports.last(), QRect(0, 0, 20, 10));
    QCOMPARE(canvas.image().pixel(4, 3), toPixel(rgbColor(10, 20, 30)));
    QCOMPARE(canvas.backColor(), rgbColor(10, 20, 30));

    // A fill that paints nothing reports nothing.
    const qsizetype before = reports.size();
    canvas.setFillStyle(FillStyle::Solid);
    canvas.floodFill(30, 30, 0xFFFF);
    QCOMPARE(reports.size(), before);
}

void TestSurface::transparentFillStylePaintsNothing()
{
    Canvas canvas(QSize(7, 7), rgbColor(0, 0, 64));
    canvas.setFillStyle(FillStyle::Transparent);
    canvas.setFillColor(0xFF);
    canvas.floodFill(3, 3, 0xFFFF);
    QCOMPARE(canvas.image().pixel(3, 3), kBack);
    // A circle keeps its outline but not its inside.
    canvas.setForeColor(0xFFFF);
    canvas.setDrawWidth(2);
    canvas.circle(3, 3, 2);
    QCOMPARE(canvas.image().pixel(3, 3), kBack);
    QCOMPARE(canvas.image().pixel(3, 0), kBorder);
}

namespace {

// The smallest rectangle holding every pixel that is not the background.
QRect inkOf(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kBack)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// " 888 " printed at (100, 100) in the song font turned by `rotation`.
QImage printed(QtFontService& service, float rotation)
{
    CLogFont numberFont(service);
    numberFont.setLogFont(makeSongFont(15.75));
    numberFont.setRotation(rotation);
    Canvas canvas(QSize(200, 200), rgbColor(0, 0, 64), &service);
    canvas.setForeColor(0xFFFF);
    canvas.selectObject(numberFont.handle());
    canvas.setCurrentX(100);
    canvas.setCurrentY(100);
    canvas.print(888);
    return canvas.image();
}

} // namespace

void TestSurface::printedTextIsExactInk()
{
    Canvas canvas(QSize(120, 60), rgbColor(0, 0, 64));
    canvas.setFont(makeSongFont(15.75));
    canvas.setForeColor(0xFFFF);
    canvas.setCurrentX(10);
    canvas.setCurrentY(12);
    canvas.print(1234);
    // Every pixel is either untouched or exactly the pen colour: fills stop at it.
    int ink = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 120; ++x) {
            const std::uint32_t p = canvas.image().pixel(x, y);
            QVERIFY(p == kBack || p == kBorder);
            ink += p == kBorder;
        }
    }
    QVERIFY(ink > 40);
    // The leading blank: no ink in the first few pixels after the position.
    QVERIFY(inkOf(canvas.image()).left() >= 10 + 4);
    QVERIFY(inkOf(canvas.image()).top() >= 12);
}

void TestSurface::printRunsAlongTheBaselineAngle_data()
{
    QTest::addColumn<float>("rotation");
    QTest::newRow("0") << 0.0f;
    QTest::newRow("90") << 90.0f;
    QTest::newRow("360") << 360.0f;
    QTest::newRow("450") << 450.0f;
}

void TestSurface::printRunsAlongTheBaselineAngle()
{
    QFETCH(float, rotation);
    QtFontService service;
    const QImage turned = printed(service, rotation);
    const QImage upright = printed(service, 0);
    const QRect ink = inkOf(turned);
    const QRect uprightInk = inkOf(upright);
    QVERIFY(uprightInk.width() > uprightInk.height());
    QVERIFY(uprightInk.left() > 100 && uprightInk.top() >= 100);

    if (int(rotation) % 360 == 0) {
        // Whole turns print alike.
        QCOMPARE(turned, upright);
        return;
    }
    // At 90 degrees the text runs upwards from the position, its top to the left.
    QVERIFY(ink.height() > ink.width());
    QVERIFY(ink.bottom() < 100);
    QVERIFY(ink.left() >= 100);
    QVERIFY(std::abs(ink.height() - uprightInk.width()) <= 1); // the glyphs are the toolkit's
    // Turned text is not anti-aliased either.
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x)
            QVERIFY(turned.pixel(x, y) == kBack || turned.pixel(x, y) == kBorder);
    }
}

void TestSurface::selectObjectKeepsTheFontBefore()
{
    QtFontService service;
    CLogFont numberFont(service);
    numberFont.setLogFont(makeSongFont(15.75));
    numberFont.setRotation(45);
    Canvas canvas(QSize(100, 60), rgbColor(0, 0, 64), &service);
    canvas.setFont(makeSongFont(15.75));
    QCOMPARE(canvas.selectObject(numberFont.handle()), kCanvasOwnFont);
    // Handle 0 and handles nobody made change nothing.
    QCOMPARE(canvas.selectObject(0), FontHandle(0));
    QCOMPARE(canvas.selectObject(12345), FontHandle(0));
    QCOMPARE(canvas.selectObject(kCanvasOwnFont), numberFont.handle());

    // Printing with handle 0 selected prints in the canvas's own font, upright.
    Canvas plain(QSize(100, 60), rgbColor(0, 0, 64), &service);
    plain.setFont(makeSongFont(15.75));
    plain.setCurrentX(5);
    plain.setCurrentY(5);
    plain.print(7);
    QCOMPARE(canvas.selectObject(0), FontHandle(0));
    canvas.setCurrentX(5);
    canvas.setCurrentY(5);
    canvas.print(7);
    QCOMPARE(canvas.image(), plain.image());
}

QTEST_MAIN(TestSurface)
#include "test_surface.moc"
