#include "common/convert.h"
#include "font/clogfont.h"
#include "font/qt_font_service.h"
#include "font/std_font.h"
#include "paint/flower.h"
#include "paint/numbering.h"
#include "paint/random.h"
#include "surface/canvas.h"

#include "support.h"

#include <QTest>

#include <cmath>
#include <random>

using namespace qimbora;

namespace {

const Color kBack = rgbColor(0, 0, 64);

} // namespace

class TestPaint : public QObject {
    Q_OBJECT

private slots:
    void countStopsAt32767()
    {
        QtFontService fonts;
        Canvas canvas(QSize(120, 90), kBack, &fonts);
        const auto numberFont = NumberingSetup(fonts, makeSongFont(15.75));
        Pcg32 random;
        std::int16_t count = 32766;
        const Praise praise = Pic_MouseUp(canvas, random, *numberFont, count, 60, 45);
        QCOMPARE(praise.text.written, "真聪明!共画了32767朵花");
        QCOMPARE(praise.color, rgbColor(19, 2, 186)); // whole parts of the first three draws x 235
        const QImage numbered = canvas.image();
        try {
            Pic_MouseUp(canvas, random, *numberFont, count, 60, 45);
            QFAIL("no overflow");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.subject(), ErrorSubject::FlowerCount);
        }
        QCOMPARE(count, std::int16_t(32767));
        QCOMPARE(canvas.image(), numbered);
        QCOMPARE(canvas.selectObject(numberFont->handle()), kCanvasOwnFont); // selected back each time
    }
    // The largest petal count: every petal is drawn, then the loop's counter
    // overflows, before the fill.
    void lastPetalOverflows()
    {
        Canvas canvas(QSize(120, 90), kBack);
        Flower flower{60,   45, 40, 0, std::numeric_limits<std::int32_t>::max(), 0, rgbColor(250, 200, 0),
                      kBack};
        QCOMPARE(testing::errorOf([&] { PaintFlower(canvas, "6", flower); }), ErrorKind::Overflow);
        const QImage image = canvas.image();
        QCOMPARE(QList<QColor>({image.pixelColor(88, 45), image.pixelColor(60, 45)}),
                 QList<QColor>({QColor(250, 200, 0), QColor(0, 0, 64)}));
    }
    // Huge petal counts are drawn by runs of petals that round alike; the picture
    // must be exactly that of the plain loop, one Bezier curve for every petal.
    // Random counts, patterns, centres and rotations; mostly the toy's own radii,
    // now and then huge rings whose petals all differ.
    void longRingsPaintWhatEveryPetalPaints()
    {
        std::mt19937 random(20261207);
        const auto between
            = [&random](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
        const char* patterns[] = {"2", "6", "12", "0", "-6", "3.7", "0.01", "1e5"};
        const Color petal = rgbColor(250, 200, 0);
        for (int round = 0; round < 32; ++round) {
            const int petals = between(16384, 60000), rotation = between(-720, 720);
            const int outer = round % 8 == 7 ? between(1000, 5000) : between(0, 200);
            const int x = between(-50, 250), y = between(-50, 200), inner = round % 3 ? between(0, outer) : 0;
            Flower flower{x, y, outer, inner, petals, rotation, petal, kBack};
            const char* pattern = patterns[round % std::size(patterns)];
            Canvas painted(QSize(200, 150), kBack);
            PaintFlower(painted, pattern, flower);

            Canvas plain(QSize(200, 150), kBack);
            plain.setDrawWidth(2);
            plain.setForeColor(petal);
            const double step = (std::stod(pattern) * 3.1415) / petals;
            const double offset = (rotation * 3.1415) / 180.0;
            const auto point = [&](double angle, int radius) {
                return QPoint(toInt32(std::cos(angle) * radius + x), toInt32(std::sin(angle) * radius + y));
            };
            for (std::int64_t i = 1; i <= petals; ++i) {
                const double a = (double(i) * step) + offset;
                const double b = ((double(i) * step) - step) + offset;
                plain.polyBezier({point(a, flower.innerRadius), point(a, outer), point(b, outer),
                                  point(b, flower.innerRadius)});
            }
            plain.setFillStyle(FillStyle::Solid);
            plain.setFillColor(petal);
            plain.floodFill(x, y, petal);
            plain.setFillColor(kBack);
            plain.circle(x, y, flower.innerRadius);
            QVERIFY2(
                painted.image() == plain.image(),
                qPrintable(
                    QStringLiteral("%1 petals, pattern %2, radius %3").arg(petals).arg(pattern).arg(outer)));
        }
    }
};

QTEST_MAIN(TestPaint)
#include "test_paint.moc"
