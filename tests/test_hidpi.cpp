// Run with QT_SCALE_FACTOR=2: the window scales, the canvas stays 1122 x 693
// image pixels, each shown as a sharp 2 x 2 block, and saved at that size.
#include "app/form1.h"
#include "app/picbox.h"
#include "font/qt_font_service.h"
#include "paint/random.h"

#include "app_support.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace qimbora;

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void canvasPixelsStayTheirOwn();
};

void TestHiDpi::canvasPixelsStayTheirOwn()
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

    // The same flower and number as at scale 1 (the window test's first golden row).
    QTest::mouseClick(&form.pic(), Qt::LeftButton, {}, QPoint(400, 300));
    const QImage image = form.pic().canvas().image();
    QCOMPARE(testing::canvasHash(image), QStringLiteral("65a5e5cb69ea3ec5"));

    const QImage shown = form.pic().grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(2 * 1126, 2 * 697));
    for (int y = 120; y < 480; ++y) {
        for (int x = 220; x < 580; ++x) {
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
