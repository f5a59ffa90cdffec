// Run with QT_SCALE_FACTOR=2: the window scales, the canvas stays 1122 x 693
// image pixels, each shown as a sharp 2 x 2 block.
#include "app/error_report.h"
#include "app/form1.h"
#include "app/picbox.h"
#include "export/save.h"
#include "font/qt_font_service.h"
#include "paint/flower.h"
#include "paint/place.h"
#include "paint/random.h"

#include "app_support.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace qimbora;

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void pressPaintsAtTheLogicalPosition();
};

void TestHiDpi::pressPaintsAtTheLogicalPosition()
{
    Pcg32 random;
    testing::RecordingReport report;
    QtFontService fonts;
    testing::ScriptedDialog dialog;
    Silence speaker;
    Form1 form({random, report, fonts, dialog, speaker});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatio(), 2.0);
    QCOMPARE(form.size(), QSize(1125, 756));

    QTest::mousePress(&form.pic(), Qt::LeftButton, {}, QPoint(302, 202));
    Canvas expected(QSize(1122, 693), rgbColor(0, 0, 64));
    Pcg32 replay;
    Pic_MouseDown({expected, replay, "22", "6"}, MouseButton::Left, 300, 200);
    const QImage image = form.pic().canvas().image();
    QCOMPARE(image.size(), QSize(1122, 693));
    QCOMPARE(image, expected.image());

    // Shown whole-number scaled without smoothing: every image pixel is a 2 x 2 block of itself.
    const QImage shown = form.pic().grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(2 * 1126, 2 * 697));
    for (int y = 20; y < 380; ++y) {
        for (int x = 120; x < 480; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int dx = 2 * (x + 2), dy = 2 * (y + 2);
            QCOMPARE(shown.pixel(dx, dy), pixel);
            QCOMPARE(shown.pixel(dx + 1, dy + 1), pixel);
        }
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sharp.bmp"));
    dialog.answers = {path.toStdString()};
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(QImage(path, "BMP").size(), QSize(1122, 693));
    QVERIFY(report.messages.isEmpty());
}

QTEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"
