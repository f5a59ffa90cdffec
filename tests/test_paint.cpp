#include "font/clogfont.h"
#include "font/qt_font_service.h"
#include "font/std_font.h"
#include "paint/flower.h"
#include "paint/numbering.h"
#include "paint/random.h"
#include "surface/canvas.h"

#include "support.h"

#include <QTest>

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
        QCOMPARE(canvas.selectObject(numberFont->Handle()), kCanvasOwnFont); // selected back each time
    }
    // The largest petal count: every petal is drawn, then the loop's counter
    // overflows, before the fill. Black petals (colour 0) are drawn yellow.
    void lastPetalOverflows()
    {
        Canvas canvas(QSize(120, 90), kBack);
        Flower flower{60, 45, 40, 0, std::numeric_limits<std::int32_t>::max(), 0, 0, kBack};
        QCOMPARE(testing::errorOf([&] { PaintFlower(canvas, "6", flower); }), ErrorKind::Overflow);
        const QImage image = canvas.image();
        QCOMPARE(QList<QColor>({image.pixelColor(88, 45), image.pixelColor(60, 45)}),
                 QList<QColor>({QColor(255, 255, 0), QColor(0, 0, 64)}));
    }
};

QTEST_MAIN(TestPaint)
#include "test_paint.moc"
