// Whatever a child types or does, the window either paints what the rules say
// or reports the error, and the drawing stays.
#include "app/error_report.h"
#include "app/form1.h"
#include "app/picbox.h"
#include "export/save.h"
#include "font/qt_font_service.h"
#include "paint/flower.h"
#include "paint/place.h"
#include "paint/random.h"

#include "app_support.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace qimbora;
using testing::RecordingReport;

namespace {

// What a press should do: paint the flower that these texts paint, or raise this error.
struct Outcome {
    QString petals; // the petal count text that paints the same flower
    QString pattern;
    QString error; // the word the message must hold; empty for a flower
};

Outcome flower(const QString& petals, const QString& pattern = QStringLiteral("6"))
{
    return {petals, pattern, {}};
}

Outcome failure(const char* word) { return {{}, {}, QString::fromUtf8(word)}; }

const char* kTypeMismatch = "“花瓣数量”框里要填一个数字";
const char* kPatternMismatch = "“花样”框里要填一个数字";
const char* kOverflow = "“花瓣数量”框里的数字太大了";
const char* kFloatingPoint = "算不出来";
const char* kSystem = "没能保存";

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestBadInput : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void comboTexts_data();
    void comboTexts();
    void savePaths_data();
    void savePaths();
    void countStopsAt32767();
    void releaseBeyondTheCanvasEdge();
    void aThousandFlowers();

private:
    void press(QPoint at = QPoint(402, 302)) { QTest::mousePress(&m_form->pic(), Qt::LeftButton, {}, at); }
    void release(QPoint at = QPoint(402, 302))
    {
        QTest::mouseRelease(&m_form->pic(), Qt::LeftButton, {}, at);
    }
    QComboBox* combo(const char* name) { return m_form->findChild<QComboBox*>(QString::fromLatin1(name)); }
    QImage canvas() const { return m_form->pic().canvas().image(); }

    Pcg32 m_random;
    RecordingReport m_report;
    QtFontService m_fonts;
    testing::ScriptedDialog m_dialog;
    testing::RecordingSpeaker m_speaker;
    std::unique_ptr<Form1> m_form;
};

void TestBadInput::init()
{
    m_random = Pcg32();
    m_report.messages.clear();
    m_form = std::make_unique<Form1>(Form1Services{m_random, m_report, m_fonts, m_dialog, m_speaker});
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestBadInput::cleanup()
{
    m_form.reset();
    QCOMPARE(m_fonts.liveFonts(), std::size_t(0)); // the number font went with the window
}

void TestBadInput::comboTexts_data()
{
    QTest::addColumn<QString>("petals");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Outcome>("outcome");
    const QString six = QStringLiteral("6");
    QTest::newRow("empty") << "" << six << failure(kTypeMismatch);
    QTest::newRow("blanks") << "   " << six << failure(kTypeMismatch);
    QTest::newRow("letters") << "abc" << six << failure(kTypeMismatch);
    QTest::newRow("full-width digits") << QStringLiteral("２２") << six << flower("22");
    QTest::newRow("-5: nine petals") << "-5" << six << flower("9");
    QTest::newRow("0: nine petals") << "0" << six << flower("9");
    QTest::newRow("1: nine petals") << "1" << six << flower("9");
    QTest::newRow("2.5: two petals") << "2.5" << six << flower("2");
    QTest::newRow("3.5: four petals") << "3.5" << six << flower("4");
    QTest::newRow("blanks around 12") << " 12 " << six << flower("12");
    QTest::newRow("1e308") << "1e308" << six << failure(kOverflow);
    QTest::newRow("1e400") << "1e400" << six << failure(kOverflow);
    QTest::newRow("eleven digits") << "99999999999" << six << failure(kOverflow);
    QTest::newRow("nan") << "nan" << six << failure(kTypeMismatch);
    QTest::newRow("inf") << "inf" << six << failure(kTypeMismatch);
    QTest::newRow("0x10") << "0x10" << six << failure(kTypeMismatch);
    QTest::newRow("&H10") << "&H10" << six << failure(kTypeMismatch);
    QTest::newRow("12abc") << "12abc" << six << failure(kTypeMismatch);
    QTest::newRow("emoji") << QStringLiteral("🌸") << six << failure(kTypeMismatch);
    QTest::newRow("10,000 nines") << QString(10000, QLatin1Char('9')) << six << failure(kOverflow);
    QTest::newRow("pattern 0: a spoke") << "22"
                                        << "0" << flower("22", "0");
    QTest::newRow("pattern -6: mirrored") << "22"
                                          << "-6" << flower("22", "-6");
    QTest::newRow("pattern 1e18") << "22"
                                  << "1e18" << flower("22", "1e18");
    QTest::newRow("pattern 1e308") << "22"
                                   << "1e308" << failure(kFloatingPoint);
    QTest::newRow("pattern letters") << "22"
                                     << "abc" << failure(kPatternMismatch);
}

void TestBadInput::comboTexts()
{
    QFETCH(QString, petals);
    QFETCH(QString, pattern);
    QFETCH(Outcome, outcome);
    const QImage before = canvas();
    combo("Combo1")->setEditText(petals);
    combo("Combo2")->setEditText(pattern);
    press();

    if (outcome.error.isEmpty()) {
        // The flower that these texts paint from the generator's first state.
        QVERIFY(m_report.messages.isEmpty());
        Canvas expected(QSize(1122, 693), rgbColor(0, 0, 64));
        Pcg32 random;
        Pic_MouseDown({expected, random, outcome.petals.toStdString(), outcome.pattern.toStdString()},
                      MouseButton::Left, 400, 300);
        QCOMPARE(canvas(), expected.image());
    } else {
        QCOMPARE(m_report.messages.size(), 1);
        QVERIFY2(m_report.messages[0].contains(outcome.error), qPrintable(m_report.messages[0]));
        QCOMPARE(canvas(), before);
    }
    // The program goes on: the release numbers, and a good count paints again.
    release();
    QCOMPARE(m_form->flowerCount(), std::int16_t(1));
    combo("Combo1")->setEditText(QStringLiteral("22"));
    combo("Combo2")->setEditText(QStringLiteral("6"));
    const QImage numbered = canvas();
    press(QPoint(802, 402));
    QVERIFY(canvas() != numbered);
}

void TestBadInput::savePaths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("saves");
    QTest::newRow("a folder that cannot be written") << "/proc/qimbora.bmp" << false;
    QTest::newRow("a folder that does not exist") << "no such folder/flowers.bmp" << false;
    QTest::newRow("Chinese and blanks") << "我的 花.bmp" << true;
}

void TestBadInput::savePaths()
{
    QFETCH(QString, name);
    QFETCH(bool, saves);
    QTemporaryDir folder;
    const QString path = QDir::isAbsolutePath(name) ? name : folder.filePath(name);
    m_dialog.answers = {path.toStdString()};
    press();
    release();
    const QImage drawn = canvas();
    QTest::mouseClick(m_form->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(canvas(), drawn);
    if (!saves) {
        QCOMPARE(m_report.messages.size(), 1);
        QVERIFY(m_report.messages[0].contains(QString::fromUtf8(kSystem)));
        QVERIFY(!QFile::exists(path));
        return;
    }
    QVERIFY(m_report.messages.isEmpty());
    QCOMPARE(QImage(path, "BMP").convertToFormat(QImage::Format_RGB32), drawn);
}

void TestBadInput::countStopsAt32767()
{
    // Right clicks paint nothing but count.
    for (int i = 0; i < 32767; ++i)
        QTest::mouseClick(&m_form->pic(), Qt::RightButton, {}, QPoint(402 + i % 300, 302));
    QCOMPARE(m_form->flowerCount(), std::int16_t(32767));
    auto* label = m_form->findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(label->text(), QStringLiteral("真聪明!共画了32767朵花"));
    const QImage before = canvas();
    const std::size_t spoken = m_speaker.said.size();
    QTest::mouseClick(&m_form->pic(), Qt::RightButton, {}, QPoint(402, 302));
    QCOMPARE(m_form->flowerCount(), std::int16_t(32767));
    QCOMPARE(m_report.messages.size(), 1);
    QVERIFY(m_report.messages[0].contains(QStringLiteral("按“重 画”")));
    QCOMPARE(m_speaker.said.size(), spoken); // the overflow says nothing
    QCOMPARE(canvas(), before);
    QCOMPARE(label->text(), QStringLiteral("真聪明!共画了32767朵花"));
    // A new canvas starts the count again.
    QTest::mouseClick(m_form->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    press();
    release();
    QCOMPARE(label->text(), QStringLiteral("真聪明!共画了1朵花"));
}

void TestBadInput::releaseBeyondTheCanvasEdge()
{
    // Pressed on the canvas's last row, let go below it over the window's strip.
    press(QPoint(402, 694));
    release(QPoint(402, 740));
    QCOMPARE(m_form->flowerCount(), std::int16_t(1));
    QVERIFY(m_report.messages.isEmpty());
    // And the other way round: let go above and left of the canvas.
    press(QPoint(3, 3));
    release(QPoint(-40, -30));
    QCOMPARE(m_form->flowerCount(), std::int16_t(2));
    QVERIFY(m_report.messages.isEmpty());
}

void TestBadInput::aThousandFlowers()
{
    for (int i = 0; i < 1000; ++i) {
        const QPoint at(2 + (i * 37) % 1120, 2 + (i * 53) % 690);
        press(at);
        release(at);
    }
    QCOMPARE(m_form->flowerCount(), std::int16_t(1000));
    QVERIFY(m_report.messages.isEmpty());
    QCOMPARE(m_fonts.liveFonts(), std::size_t(1));
}

QTEST_MAIN(TestBadInput)
#include "test_bad_input.moc"
