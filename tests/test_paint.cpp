#include "common/convert.h"
#include "font/clogfont.h"
#include "font/qt_font_service.h"
#include "font/std_font.h"
#include "paint/flower.h"
#include "paint/new_canvas.h"
#include "paint/numbering.h"
#include "paint/place.h"
#include "paint/random.h"
#include "surface/canvas.h"
#include "surface/raster.h"

#include "support.h"

#include <QTest>

#include <cmath>
#include <optional>
#include <random>
#include <vector>

using namespace qimbora;
using testing::CountingRandom;
using testing::errorOf;
using testing::ScriptedRandom;

Q_DECLARE_METATYPE(qimbora::ErrorKind)

namespace {

const Color kBack = rgbColor(0, 0, 64);
const QSize kCanvasSize(1122, 693);

PaintContext contextFor(Canvas& canvas, RandomSource& random, std::string petals = "22",
                        std::string pattern = "6")
{
    return {canvas, random, std::move(petals), std::move(pattern)};
}

// Every pixel farther than `radius` from the centre still has the background.
bool untouchedBeyond(const QImage& image, QPoint centre, double radius)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (std::hypot(x - centre.x(), y - centre.y()) > radius && image.pixel(x, y) != toPixel(kBack))
                return false;
        }
    }
    return true;
}

} // namespace

class TestPaint : public QObject {
    Q_OBJECT

private slots:
    void fourPetalsPattern2PaintTheseCurves();
    void longRingsPaintWhatEveryPetalPaints_data();
    void longRingsPaintWhatEveryPetalPaints();
    void defaultsAreWrittenBack_data();
    void defaultsAreWrittenBack();
    void patternTwoFlowersHoldTheirFill_data();
    void patternTwoFlowersHoldTheirFill();
    void spokesFloodTheCanvas_data();
    void spokesFloodTheCanvas();
    void drawCounts_data();
    void drawCounts();
    void tenFlowersAreTenSingleFlowers();
    void pressPaintsAtThePointer();
    void randomFlowerPlacement();
    void randomColorChannels();
    void newCanvasBackground_data();
    void newCanvasBackground();
    void badPetalCountDrawsNothing_data();
    void badPetalCountDrawsNothing();
    void badPatternSetsThePenAndDrawsNothing_data();
    void badPatternSetsThePenAndDrawsNothing();
    void generatorRepeatsItsSequence();
    void releasePrintsTheCountBesideThePointer();
    void praiseColour_data();
    void praiseColour();
    void newCanvasRestartsTheCount();
    void countStopsAt32767();
    void scrollBarTurnsLaterNumbers();
};

// Huge petal counts are drawn by runs of petals that round alike; the picture
// must be exactly that of the plain loop, one Bezier curve for every petal.
void TestPaint::longRingsPaintWhatEveryPetalPaints_data()
{
    QTest::addColumn<int>("petals");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QRect>("circles"); // centre, then outer and inner radius
    QTest::addColumn<int>("rotation");
    std::mt19937 random(20261207);
    const char* patterns[] = {"2", "6", "12", "0", "-6", "3.7", "0.01", "1e5"};
    for (int row = 0; row < 32; ++row) {
        const int petals = std::uniform_int_distribution(16384, 60000)(random);
        const char* pattern = patterns[row % std::size(patterns)];
        // Mostly the toy's own sizes; now and then huge rings whose petals all differ.
        const int outer = row % 8 == 7 ? std::uniform_int_distribution(1000, 5000)(random)
                                       : std::uniform_int_distribution(0, 200)(random);
        const int inner = row % 3 == 0 ? 0 : std::uniform_int_distribution(0, outer)(random);
        const QRect circles(std::uniform_int_distribution(-50, 250)(random),
                            std::uniform_int_distribution(-50, 200)(random), outer, inner);
        const int rotation = std::uniform_int_distribution(-720, 720)(random);
        QTest::addRow("%d: %d petals, pattern %s, radius %d", row, petals, pattern, outer)
            << petals << QString::fromLatin1(pattern) << circles << rotation;
    }
}

void TestPaint::longRingsPaintWhatEveryPetalPaints()
{
    QFETCH(int, petals);
    QFETCH(QString, pattern);
    QFETCH(QRect, circles);
    QFETCH(int, rotation);
    const Color petal = rgbColor(250, 200, 0);
    Canvas painted(QSize(200, 150), kBack);
    Flower flower{circles.x(), circles.y(), circles.width(), circles.height(),
                  petals,      rotation,    petal,           kBack};
    PaintFlower(painted, pattern.toStdString(), flower);

    Canvas plain(QSize(200, 150), kBack);
    plain.setDrawWidth(2);
    plain.setForeColor(petal);
    const double step = (pattern.toDouble() * 3.1415) / petals;
    const double offset = (rotation * 3.1415) / 180.0;
    const int innerRadius = flower.innerRadius;
    auto point = [&](double angle, int radius) {
        return QPoint(toInt32(std::cos(angle) * radius + circles.x()),
                      toInt32(std::sin(angle) * radius + circles.y()));
    };
    for (std::int64_t i = 1; i <= petals; ++i) {
        const double a = (double(i) * step) + offset;
        const double b = ((double(i) * step) - step) + offset;
        plain.polyBezier({point(a, innerRadius), point(a, circles.width()), point(b, circles.width()),
                          point(b, innerRadius)});
    }
    plain.setFillStyle(FillStyle::Solid);
    plain.setFillColor(petal);
    plain.floodFill(circles.x(), circles.y(), petal);
    plain.setFillColor(kBack);
    plain.circle(circles.x(), circles.y(), innerRadius);
    QCOMPARE(painted.image(), plain.image());
}

void TestPaint::fourPetalsPattern2PaintTheseCurves()
{
    // Pattern 2, four petals around (200, 150): the points of each petal, then
    // a fill from the centre and a disc of radius 20.
    const Color petal = rgbColor(200, 40, 90);
    const Color centre = rgbColor(20, 200, 20);
    Canvas painted(QSize(400, 300), kBack);
    Flower flower{200, 150, 80, 0, 4, 0, petal, centre};
    PaintFlower(painted, "2", flower);
    QCOMPARE(flower.innerRadius, 20);

    Canvas expected(QSize(400, 300), kBack);
    expected.setForeColor(petal);
    expected.setDrawWidth(2);
    expected.setFillStyle(FillStyle::Solid);
    expected.setFillColor(petal);
    expected.polyBezier({QPoint(200, 170), QPoint(200, 230), QPoint(280, 150), QPoint(220, 150)});
    expected.polyBezier({QPoint(180, 150), QPoint(120, 150), QPoint(200, 230), QPoint(200, 170)});
    expected.polyBezier({QPoint(200, 130), QPoint(200, 70), QPoint(120, 150), QPoint(180, 150)});
    expected.polyBezier({QPoint(220, 150), QPoint(280, 150), QPoint(200, 70), QPoint(200, 130)});
    expected.floodFill(200, 150, petal);
    expected.setFillColor(centre);
    expected.circle(200, 150, 20);
    QCOMPARE(painted.image(), expected.image());

    // The fill reached into the petals but nothing beyond the outer circle.
    QCOMPARE(painted.image().pixel(225, 175), toPixel(petal));
    QVERIFY(untouchedBeyond(painted.image(), QPoint(200, 150), 82));
    // The canvas is left with the pen in the petal colour and the fill in the centre colour.
    QCOMPARE(painted.foreColor(), petal);
    QCOMPARE(painted.fillColor(), centre);
}

void TestPaint::defaultsAreWrittenBack_data()
{
    QTest::addColumn<int>("outerRadius");
    QTest::addColumn<int>("petalCount");
    QTest::addColumn<int>("innerRadius");
    QTest::addColumn<int>("petalsUsed");
    QTest::newRow("outer 1") << 1 << 5 << 0 << 5;
    QTest::newRow("outer 2") << 2 << 5 << 0 << 5;
    QTest::newRow("outer 6: 1.5 to 2") << 6 << 5 << 2 << 5;
    QTest::newRow("outer 10: 2.5 to 2") << 10 << 5 << 2 << 5;
    QTest::newRow("outer 170: 42.5 to 42") << 170 << 5 << 42 << 5;
    QTest::newRow("count 0") << 40 << 0 << 10 << 9;
    QTest::newRow("count 1") << 40 << 1 << 10 << 9;
    QTest::newRow("count -7") << 40 << -7 << 10 << 9;
    QTest::newRow("count 2 stays") << 40 << 2 << 10 << 2;
    QTest::newRow("count 100 stays") << 40 << 100 << 10 << 100;
}

void TestPaint::defaultsAreWrittenBack()
{
    QFETCH(int, outerRadius);
    QFETCH(int, petalCount);
    QFETCH(int, innerRadius);
    QFETCH(int, petalsUsed);
    Canvas canvas(QSize(200, 200), kBack);
    Flower flower{100, 100, outerRadius, 0, petalCount, 0, 0, 0};
    PaintFlower(canvas, "2", flower);
    QCOMPARE(flower.innerRadius, innerRadius);
    QCOMPARE(flower.petalCount, petalsUsed);
    // Colour 0 would be black: yellow petals and a red centre instead.
    QCOMPARE(flower.petalColor, 0xFFFF);
    QCOMPARE(flower.centerColor, 0xFF);
    QCOMPARE(canvas.image().pixel(100, 100), toPixel(innerRadius > 1 ? 0xFF : 0xFFFF));
}

void TestPaint::patternTwoFlowersHoldTheirFill_data()
{
    QTest::addColumn<int>("petals");
    QTest::addColumn<int>("outer");
    for (int petals = 2; petals <= 31; ++petals) {
        for (int outer : {170, 37, 9})
            QTest::addRow("%d petals, radius %d", petals, outer) << petals << outer;
    }
}

void TestPaint::patternTwoFlowersHoldTheirFill()
{
    // Side by side, the petals close around the centre: the fill stays inside.
    QFETCH(int, petals);
    QFETCH(int, outer);
    for (int rotation : {0, 13, 90, 181, 359}) {
        Canvas canvas(QSize(2 * outer + 21, 2 * outer + 21), kBack);
        const QPoint centre(outer + 10, outer + 10);
        Flower flower{centre.x(),           centre.y(), outer, 0, petals, rotation, rgbColor(250, 120, 0),
                      rgbColor(10, 10, 250)};
        PaintFlower(canvas, "2", flower);
        QVERIFY2(untouchedBeyond(canvas.image(), centre, outer + 2), qPrintable(QString::number(rotation)));
    }
}

void TestPaint::spokesFloodTheCanvas_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("petals");
    // A whole number of turns per step: every petal is the same spoke.
    QTest::newRow("pattern 6, 3 petals") << "6" << 3;
    QTest::newRow("pattern 12, 3 petals") << "12" << 3;
    QTest::newRow("pattern 12, 6 petals") << "12" << 6;
    QTest::newRow("pattern 0") << "0" << 22;
}

void TestPaint::spokesFloodTheCanvas()
{
    QFETCH(QString, pattern);
    QFETCH(int, petals);
    const Color petal = rgbColor(250, 120, 0);
    Canvas canvas(QSize(400, 300), kBack);
    Flower flower{200, 150, 80, 0, petals, 90, petal, rgbColor(10, 10, 250)};
    PaintFlower(canvas, pattern.toStdString(), flower);
    for (const QPoint corner : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 299), QPoint(399, 299)})
        QCOMPARE(canvas.image().pixel(corner), toPixel(petal));
}

void TestPaint::drawCounts_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("draws");
    QTest::newRow("left press") << 0 << 8;
    QTest::newRow("right press") << 1 << 0;
    QTest::newRow("middle press") << 2 << 0;
    QTest::newRow("one flower") << 3 << 10;
    QTest::newRow("ten flowers") << 4 << 100;
    QTest::newRow("new canvas") << 5 << 3;
}

void TestPaint::drawCounts()
{
    QFETCH(int, action);
    QFETCH(int, draws);
    Canvas canvas(kCanvasSize, kBack);
    CountingRandom random;
    const PaintContext context = contextFor(canvas, random);
    std::int16_t flowerCount = 5;
    switch (action) {
    case 0:
        Pic_MouseDown(context, MouseButton::Left, 300, 300);
        break;
    case 1:
        Pic_MouseDown(context, MouseButton::Right, 300, 300);
        break;
    case 2:
        Pic_MouseDown(context, MouseButton::Middle, 300, 300);
        break;
    case 3:
        Command1_Click(context, 0);
        break;
    case 4:
        Command1_Click(context, 1);
        break;
    case 5:
        Command2_Click(context, flowerCount);
        break;
    }
    QCOMPARE(random.draws, draws);
    const bool paints = draws > 0;
    QCOMPARE(canvas.image() != Canvas(kCanvasSize, kBack).image(), paints);
}

void TestPaint::tenFlowersAreTenSingleFlowers()
{
    Canvas once(kCanvasSize, kBack);
    CountingRandom randomOnce;
    Command1_Click(contextFor(once, randomOnce), 1);

    Canvas tenTimes(kCanvasSize, kBack);
    CountingRandom randomTen;
    for (int i = 0; i < 10; ++i)
        Command1_Click(contextFor(tenTimes, randomTen), 0);
    QCOMPARE(once.image(), tenTimes.image());
}

void TestPaint::pressPaintsAtThePointer()
{
    // Draws: size, rotation, petal red/green/blue, centre red/green/blue.
    ScriptedRandom random({0.0f, 0.5f, 0.99999994f, 0.0f, 0.0f, 0.0f, 0.0f, 0.99999994f});
    Canvas canvas(QSize(120, 100), kBack);
    Pic_MouseDown(contextFor(canvas, random, " 7 ", "2"), MouseButton::Left, 40.5f, 51.5f);
    QCOMPARE(random.used(), 8u);

    // Size 20, rotation 180, red petals, a blue centre at (40, 52): halves to even.
    Canvas expected(QSize(120, 100), kBack);
    Flower flower{40, 52, 20, 0, 7, 180, rgbColor(255, 0, 0), rgbColor(0, 0, 255)};
    PaintFlower(expected, "2", flower);
    QCOMPARE(canvas.image(), expected.image());
}

void TestPaint::randomFlowerPlacement()
{
    // Draws: radius, x, y, rotation, then the two colours.
    ScriptedRandom random({0.5f, 0.5f, 0.5f, 0.25f, 0, 0.99999994f, 0, 0, 0, 0});
    Canvas canvas(kCanvasSize, kBack);
    Command1_Click(contextFor(canvas, random, "5", "2"), 0);
    QCOMPARE(random.used(), 10u);

    // Radius 100 at (561, 346): 693 / 2 = 346.5 rounds to even. Rotation 90;
    // green petals; the centre colour 0 becomes red.
    Canvas expected(kCanvasSize, kBack);
    Flower flower{561, 346, 100, 0, 5, 90, rgbColor(0, 255, 0), 0};
    PaintFlower(expected, "2", flower);
    QCOMPARE(canvas.image(), expected.image());
    QCOMPARE(canvas.image().pixel(561, 346), toPixel(0xFF));
}

void TestPaint::randomColorChannels()
{
    // Red then green then blue; 127.5 rounds to even 128.
    ScriptedRandom random({0.5f, 0.0f, 0.99999994f});
    QCOMPARE(RandomColor(random), rgbColor(128, 0, 255));
}

void TestPaint::newCanvasBackground_data()
{
    QTest::addColumn<float>("r1");
    QTest::addColumn<float>("r2");
    QTest::addColumn<float>("r3");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    // Rounded down: the brightest channel is 234.
    QTest::newRow("brightest") << 0.99999994f << 0.99999994f << 0.99999994f << 234 << 234 << 234;
    QTest::newRow("black") << 0.0f << 0.0f << 0.0f << 0 << 0 << 0;
    QTest::newRow("red, green, blue in draw order") << 0.5f << 0.1f << 0.9f << 117 << 23 << 211;
}

void TestPaint::newCanvasBackground()
{
    QFETCH(float, r1);
    QFETCH(float, r2);
    QFETCH(float, r3);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    ScriptedRandom random({r1, r2, r3});
    Canvas canvas(QSize(30, 20), kBack);
    CountingRandom flowers;
    Command1_Click(contextFor(canvas, flowers, "5", "2"), 1);
    std::int16_t flowerCount = 12;
    Command2_Click(contextFor(canvas, random), flowerCount);
    QCOMPARE(flowerCount, std::int16_t(0));
    QImage expected(30, 20, QImage::Format_RGB32);
    expected.fill(toPixel(rgbColor(red, green, blue)));
    QCOMPARE(canvas.image(), expected);
}

void TestPaint::badPetalCountDrawsNothing_data()
{
    QTest::addColumn<QString>("petals");
    QTest::addColumn<int>("button");
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<int>("draws");
    // The press takes all eight draws, then stops at the count; a batch stops
    // at its first flower, after that flower's ten draws.
    QTest::newRow("press, letters") << "abc" << -1 << ErrorKind::TypeMismatch << 8;
    QTest::newRow("press, empty") << "" << -1 << ErrorKind::TypeMismatch << 8;
    QTest::newRow("press, too large") << "99999999999" << -1 << ErrorKind::Overflow << 8;
    QTest::newRow("ten, letters") << "abc" << 1 << ErrorKind::TypeMismatch << 10;
    QTest::newRow("one, 1e400") << "1e400" << 0 << ErrorKind::Overflow << 10;
}

void TestPaint::badPetalCountDrawsNothing()
{
    QFETCH(QString, petals);
    QFETCH(int, button);
    QFETCH(ErrorKind, kind);
    QFETCH(int, draws);
    Canvas canvas(kCanvasSize, kBack);
    CountingRandom random;
    const PaintContext context = contextFor(canvas, random, petals.toStdString());
    const auto error = errorOf([&] {
        if (button < 0)
            Pic_MouseDown(context, MouseButton::Left, 100, 100);
        else
            Command1_Click(context, std::int16_t(button));
    });
    QCOMPARE(error, kind);
    QCOMPARE(random.draws, draws);
    QCOMPARE(canvas.image(), Canvas(kCanvasSize, kBack).image());
}

void TestPaint::badPatternSetsThePenAndDrawsNothing_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<ErrorKind>("kind");
    QTest::newRow("letters") << "abc" << ErrorKind::TypeMismatch;
    QTest::newRow("blank") << " " << ErrorKind::TypeMismatch;
    QTest::newRow("product overflows") << "1e308" << ErrorKind::FloatingPoint;
    QTest::newRow("beyond double") << "1e400" << ErrorKind::Overflow;
}

void TestPaint::badPatternSetsThePenAndDrawsNothing()
{
    QFETCH(QString, pattern);
    QFETCH(ErrorKind, kind);
    Canvas canvas(QSize(100, 100), kBack);
    Flower flower{50, 50, 40, 0, 0, 0, rgbColor(1, 2, 3), rgbColor(4, 5, 6)};
    QCOMPARE(errorOf([&] { PaintFlower(canvas, pattern.toStdString(), flower); }), kind);
    // Steps before the pattern is read have run: pen, fill and defaults.
    QCOMPARE(canvas.drawWidth(), std::int16_t(2));
    QCOMPARE(canvas.fillStyle(), FillStyle::Solid);
    QCOMPARE(canvas.fillColor(), rgbColor(1, 2, 3));
    QCOMPARE(canvas.foreColor(), rgbColor(1, 2, 3));
    QCOMPARE(flower.petalCount, 9);
    QCOMPARE(flower.innerRadius, 10);
    QCOMPARE(canvas.image(), Canvas(QSize(100, 100), kBack).image());
}

void TestPaint::generatorRepeatsItsSequence()
{
    Pcg32 first;
    Pcg32 second;
    float lowest = 1.0f, highest = 0.0f;
    double sum = 0.0;
    constexpr int kDraws = 200000;
    for (int i = 0; i < kDraws; ++i) {
        const float r = first.next();
        QCOMPARE(second.next(), r);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
        sum += r;
    }
    QVERIFY(lowest >= 0.0f && lowest < 0.001f);
    QVERIFY(highest < 1.0f && highest > 0.999f);
    QVERIFY(std::abs(sum / kDraws - 0.5) < 0.01);
}

void TestPaint::releasePrintsTheCountBesideThePointer()
{
    QtFontService fonts;
    Canvas canvas(QSize(200, 100), kBack, &fonts);
    canvas.setFont(makeSongFont(15.75));
    canvas.setForeColor(rgbColor(250, 120, 0));
    const auto numberFont = NumberingSetup(fonts, canvas.font());
    std::int16_t count = 0;
    CountingRandom random;
    const Praise praise = Pic_MouseUp(canvas, random, *numberFont, count, 100.5f, 50.25f);
    QCOMPARE(count, std::int16_t(1));
    QCOMPARE(random.draws, 3);
    QCOMPARE(praise.caption, std::string("真聪明!共画了1朵花")); // ASCII '!', no blanks

    // " 1 " printed with its top-left corner 22 left of and 8 above the pointer.
    Canvas expected(QSize(200, 100), kBack, &fonts);
    expected.setForeColor(rgbColor(250, 120, 0));
    expected.selectObject(numberFont->handle());
    expected.setCurrentX(78.5f);
    expected.setCurrentY(42.25f);
    expected.print(1);
    QCOMPARE(canvas.image(), expected.image());
    QVERIFY(canvas.image() != Canvas(QSize(200, 100), kBack).image());
    // The number font is selected out again.
    QCOMPARE(canvas.selectObject(kCanvasOwnFont), kCanvasOwnFont);
}

void TestPaint::praiseColour_data()
{
    QTest::addColumn<float>("r1");
    QTest::addColumn<float>("r2");
    QTest::addColumn<float>("r3");
    QTest::addColumn<int>("color");
    QTest::newRow("brightest is 234") << 0.99999994f << 0.99999994f << 0.99999994f << rgbColor(234, 234, 234);
    QTest::newRow("red, green, blue in draw order") << 0.5f << 0.1f << 0.9f << rgbColor(117, 23, 211);
}

void TestPaint::praiseColour()
{
    QFETCH(float, r1);
    QFETCH(float, r2);
    QFETCH(float, r3);
    QFETCH(int, color);
    QtFontService fonts;
    Canvas canvas(QSize(50, 50), kBack, &fonts);
    const auto numberFont = NumberingSetup(fonts, makeSongFont(15.75));
    ScriptedRandom random({r1, r2, r3});
    std::int16_t count = 41;
    QCOMPARE(Pic_MouseUp(canvas, random, *numberFont, count, 25, 25).color, color);
}

void TestPaint::newCanvasRestartsTheCount()
{
    QtFontService fonts;
    Canvas canvas(kCanvasSize, kBack, &fonts);
    const auto numberFont = NumberingSetup(fonts, makeSongFont(15.75));
    CountingRandom random;
    const PaintContext context = contextFor(canvas, random);
    std::int16_t count = 0;
    for (int flower = 0; flower < 2; ++flower) {
        Pic_MouseDown(context, MouseButton::Left, 300, 300);
        QCOMPARE(Pic_MouseUp(canvas, random, *numberFont, count, 300, 300).caption,
                 std::string("真聪明!共画了") + std::to_string(flower + 1) + "朵花");
    }
    Command2_Click(context, count);
    QCOMPARE(count, std::int16_t(0));
    QCOMPARE(Pic_MouseUp(canvas, random, *numberFont, count, 300, 300).caption,
             std::string("真聪明!共画了1朵花"));
}

void TestPaint::countStopsAt32767()
{
    QtFontService fonts;
    Canvas canvas(QSize(50, 50), kBack, &fonts);
    const auto numberFont = NumberingSetup(fonts, makeSongFont(15.75));
    CountingRandom random;
    std::int16_t count = 32766;
    Pic_MouseUp(canvas, random, *numberFont, count, 25, 25);
    QCOMPARE(count, std::int16_t(32767));
    const QImage before = canvas.image();
    QCOMPARE(errorOf([&] { Pic_MouseUp(canvas, random, *numberFont, count, 25, 25); }), ErrorKind::Overflow);
    QCOMPARE(count, std::int16_t(32767));
    QCOMPARE(random.draws, 3);
    QCOMPARE(canvas.image(), before);
    QCOMPARE(canvas.selectObject(kCanvasOwnFont), kCanvasOwnFont);
}

void TestPaint::scrollBarTurnsLaterNumbers()
{
    QtFontService fonts;
    const auto numberFont = NumberingSetup(fonts, makeSongFont(15.75));
    QCOMPARE(numberFont->rotation(), 0.0f);
    const FontHandle upright = numberFont->handle();
    HScroll1_Change(*numberFont, 90);
    QCOMPARE(numberFont->rotation(), 90.0f);
    QVERIFY(numberFont->handle() != upright);
    QCOMPARE(fonts.find(numberFont->handle())->angleDegrees, 90.0);
    QCOMPARE(fonts.liveFonts(), std::size_t(1));
}

QTEST_MAIN(TestPaint)
#include "test_paint.moc"
