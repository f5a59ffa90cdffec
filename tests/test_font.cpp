#include "font/clogfont.h"
#include "font/std_font.h"

#include "support.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <set>
#include <vector>

using namespace qimbora;
using testing::errorOf;

namespace {

// Records every call; hands out handles from 100 and checks each is deleted once.
class FakeFontService final : public FontService {
public:
    WindowHandle GetDesktopWindow() override
    {
        calls.push_back("GetDesktopWindow");
        return 7;
    }
    DeviceContext GetDC(WindowHandle window) override
    {
        calls.push_back("GetDC");
        if (window != 7)
            ++misuse;
        ++openContexts;
        return 9;
    }
    int GetDeviceCaps(DeviceContext context, int index) override
    {
        calls.push_back("GetDeviceCaps");
        if (context != 9 || index != 90)
            ++misuse;
        return pixelsPerInch;
    }
    int ReleaseDC(WindowHandle window, DeviceContext context) override
    {
        calls.push_back("ReleaseDC");
        if (window != 7 || context != 9)
            ++misuse;
        --openContexts;
        return 1;
    }
    FontHandle CreateFontIndirectA(const LogFontRecord& record) override
    {
        calls.push_back("CreateFontIndirectA");
        records.push_back(record);
        if (refuse)
            return 0;
        live.insert(next);
        return next++;
    }
    bool DeleteObject(FontHandle font) override
    {
        calls.push_back("DeleteObject");
        if (live.erase(font) == 0)
            ++misuse;
        return true;
    }

    int pixelsPerInch = 96;
    bool refuse = false;
    std::vector<std::string> calls;
    std::vector<LogFontRecord> records;
    std::set<FontHandle> live;
    FontHandle next = 100;
    int openContexts = 0;
    int misuse = 0;
};

QByteArray faceField(const LogFontRecord& record)
{
    return QByteArray(record.lfFaceName, sizeof record.lfFaceName);
}

} // namespace

class TestFont : public QObject {
    Q_OBJECT

private slots:
    void height_data();
    void height();
    void escapement_data();
    void escapement();
    void charset_data();
    void charset();
    void styleFlagsAndWeight();
    void faceName_data();
    void faceName();
    void buildFailures_data();
    void buildFailures();
    void newObject();
    void rotationBeforeFont();
    void sameRotationRebuildsNothing();
    void clearingTheFontKeepsTheRotation();
    void settingItsOwnFont();
    void storedCopyIsIndependent();
    void weightWinsOverBold();
    void refusedFontIsRetried();
    void noHandleLeaks();
};

void TestFont::height_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("expected");
    QTest::newRow("12 at 96") << 12.0 << 96 << -16;
    QTest::newRow("15.75 at 96") << 15.75 << 96 << -21;
    QTest::newRow("7.875 at 96: -10.5 to even") << 7.875 << 96 << -10;
    QTest::newRow("9.375 at 96: -12.5 to even") << 9.375 << 96 << -12;
    QTest::newRow("12 at 120") << 12.0 << 120 << -20;
    QTest::newRow("9.75 at 120: -16.25") << 9.75 << 120 << -16;
}

void TestFont::height()
{
    QFETCH(double, points);
    QFETCH(int, dpi);
    QFETCH(int, expected);
    FakeFontService service;
    service.pixelsPerInch = dpi;
    CLogFont font(service);
    font.setLogFont(makeSongFont(points));
    QCOMPARE(service.records.back().lfHeight, expected);
}

void TestFont::escapement_data()
{
    QTest::addColumn<float>("rotation");
    QTest::addColumn<int>("escapement");
    QTest::addColumn<int>("outPrecision");
    QTest::newRow("45") << 45.0f << 450 << 7;
    QTest::newRow("-90") << -90.0f << -900 << 7;
    QTest::newRow("360") << 360.0f << 3600 << 0;
    QTest::newRow("720") << 720.0f << 7200 << 0;
    QTest::newRow("0.25: 2.5 to even") << 0.25f << 2 << 0;
    QTest::newRow("0.75") << 0.75f << 8 << 7;
    // Turned is judged on whole degrees: 359.6 rounds to 360.
    QTest::newRow("359.6") << 359.6f << 3596 << 0;
    QTest::newRow("32767") << 32767.0f << 327670 << 7;
}

void TestFont::escapement()
{
    QFETCH(float, rotation);
    QFETCH(int, escapement);
    QFETCH(int, outPrecision);
    FakeFontService service;
    CLogFont font(service);
    font.setLogFont(makeSongFont(15.75));
    font.setRotation(rotation);
    const LogFontRecord& record = service.records.back();
    QCOMPARE(record.lfEscapement, escapement);
    QCOMPARE(record.lfOrientation, escapement);
    QCOMPARE(int(record.lfOutPrecision), outPrecision);
    QCOMPARE(int(record.lfClipPrecision), 0);
    QCOMPARE(int(record.lfQuality), 2);
    QCOMPARE(int(record.lfPitchAndFamily), 0);
    QCOMPARE(record.lfWidth, 0);
}

void TestFont::charset_data()
{
    QTest::addColumn<int>("charset");
    QTest::addColumn<float>("rotation");
    QTest::addColumn<int>("expected");
    // The OEM set becomes ANSI only when the font is turned.
    QTest::newRow("255 at 45") << 255 << 45.0f << 0;
    QTest::newRow("255 at 0") << 255 << 0.0f << 255;
    QTest::newRow("255 at 360") << 255 << 360.0f << 255;
    QTest::newRow("134 at 45") << 134 << 45.0f << 134;
    QTest::newRow("0 at 90") << 0 << 90.0f << 0;
}

void TestFont::charset()
{
    QFETCH(int, charset);
    QFETCH(float, rotation);
    QFETCH(int, expected);
    FakeFontService service;
    CLogFont font(service);
    font.setRotation(rotation);
    auto description = makeSongFont(15.75);
    description->Name = "Arial";
    description->Charset = std::int16_t(charset);
    font.setLogFont(description);
    QCOMPARE(int(service.records.back().lfCharSet), expected);
}

void TestFont::styleFlagsAndWeight()
{
    FakeFontService service;
    CLogFont font(service);
    auto description = makeSongFont(15.75);
    description->Italic = true;
    description->Strikethrough = true;
    description->setWeight(-5); // sign-extended, not masked
    font.setLogFont(description);
    const LogFontRecord& record = service.records.back();
    QCOMPARE(int(record.lfItalic), 255);
    QCOMPARE(int(record.lfUnderline), 0);
    QCOMPARE(int(record.lfStrikeOut), 255);
    QCOMPARE(record.lfWeight, -5);
}

void TestFont::faceName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("field");
    // GBK for character set 134: 宋 is CB CE, 体 is CC E5; then NUL and blanks.
    QTest::newRow("song") << QStringLiteral("宋体")
                          << QByteArray("\xCB\xCE\xCC\xE5", 4) + '\0' + QByteArray(27, ' ');
    QTest::newRow("40 characters cut to 31") << QString(40, QLatin1Char('a')) << QByteArray(31, 'a') + '\0';
    // Sixteen double-byte characters: cut to fifteen so that none is split.
    QTest::newRow("16 Chinese characters")
        << QString(16, QChar(0x5B8B)) << QByteArray("\xCB\xCE", 2).repeated(15) + '\0' + ' ';
    QTest::newRow("not in GBK") << QStringLiteral("a\U0001F600b")
                                << QByteArray("a?b", 3) + '\0' + QByteArray(28, ' ');
}

void TestFont::faceName()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, field);
    FakeFontService service;
    CLogFont font(service);
    auto description = makeSongFont(15.75);
    description->Name = name.toStdString();
    font.setLogFont(description);
    QCOMPARE(faceField(service.records.back()), field);
}

void TestFont::buildFailures_data()
{
    QTest::addColumn<int>("charset");
    QTest::addColumn<float>("rotation");
    QTest::addColumn<double>("points");
    QTest::newRow("charset 256") << 256 << 0.0f << 12.0;
    QTest::newRow("charset -1") << -1 << 0.0f << 12.0;
    QTest::newRow("rotation 3e8") << 134 << 3e8f << 12.0;
    QTest::newRow("infinite rotation") << 134 << std::numeric_limits<float>::infinity() << 12.0;
    QTest::newRow("height beyond 32 bits") << 134 << 0.0f << 1e12;
}

void TestFont::buildFailures()
{
    QFETCH(int, charset);
    QFETCH(float, rotation);
    QFETCH(double, points);
    FakeFontService service;
    CLogFont font(service);
    font.setLogFont(makeSongFont(15.75));
    const FontHandle first = font.handle();
    auto description = makeSongFont(points);
    description->Charset = std::int16_t(charset);
    QCOMPARE(errorOf([&] {
                 font.setRotation(rotation);
                 font.setLogFont(description);
             }),
             ErrorKind::Overflow);
    // The old handle is gone, the new one is none, and the screen context went back.
    QCOMPARE(font.handle(), FontHandle(0));
    QVERIFY(!service.live.count(first));
    QCOMPARE(service.openContexts, 0);
    QCOMPARE(service.misuse, 0);
}

void TestFont::newObject()
{
    FakeFontService service;
    CLogFont font(service);
    QCOMPARE(font.handle(), FontHandle(0));
    QCOMPARE(font.rotation(), 0.0f);
    QVERIFY(!font.logFont());
    QVERIFY(service.calls.empty());
}

void TestFont::rotationBeforeFont()
{
    FakeFontService service;
    CLogFont font(service);
    font.setRotation(45);
    QCOMPARE(font.handle(), FontHandle(0));
    QVERIFY(service.calls.empty());
    font.setLogFont(makeSongFont(15.75));
    QCOMPARE(service.records.back().lfEscapement, 450);
    QCOMPARE(font.handle(), FontHandle(100));
    // One build: desktop, context, resolution, font, context back.
    QCOMPARE(service.calls,
             (std::vector<std::string>{"GetDesktopWindow", "GetDC", "GetDeviceCaps", "CreateFontIndirectA",
                                       "ReleaseDC"}));
}

void TestFont::sameRotationRebuildsNothing()
{
    FakeFontService service;
    CLogFont font(service);
    font.setLogFont(makeSongFont(15.75));
    font.setRotation(30);
    const FontHandle handle = font.handle();
    const std::size_t calls = service.calls.size();
    font.setRotation(30);
    font.setRotation(std::numeric_limits<float>::quiet_NaN()); // unordered counts as equal
    QCOMPARE(service.calls.size(), calls);
    QCOMPARE(font.handle(), handle);
    QCOMPARE(font.rotation(), 30.0f);
}

void TestFont::clearingTheFontKeepsTheRotation()
{
    FakeFontService service;
    CLogFont font(service);
    font.setLogFont(makeSongFont(15.75));
    font.setRotation(60);
    font.setLogFont(nullptr);
    QCOMPARE(font.handle(), FontHandle(0));
    QVERIFY(service.live.empty());
    QVERIFY(!font.logFont());
    QCOMPARE(font.rotation(), 60.0f);
    // Without a font a new angle is only stored.
    const std::size_t calls = service.calls.size();
    font.setRotation(90);
    QCOMPARE(service.calls.size(), calls);
}

void TestFont::settingItsOwnFont()
{
    FakeFontService service;
    CLogFont font(service);
    font.setLogFont(makeSongFont(15.75));
    const StdFontRef own = font.logFont();
    const FontHandle before = font.handle();
    font.setLogFont(own);
    QVERIFY(font.logFont() != own);
    QCOMPARE(font.logFont()->Name, own->Name);
    QVERIFY(font.handle() != before);
    QCOMPARE(service.live, std::set<FontHandle>{font.handle()});
}

void TestFont::storedCopyIsIndependent()
{
    FakeFontService service;
    CLogFont font(service);
    const StdFontRef source = makeSongFont(15.75);
    font.setLogFont(source);
    source->Name = "Arial";
    QCOMPARE(font.logFont()->Name, std::string("宋体"));

    // A change through the returned reference shows only at the next rebuild.
    font.logFont()->Italic = true;
    QCOMPARE(int(service.records.back().lfItalic), 0);
    font.setRotation(10);
    QCOMPARE(int(service.records.back().lfItalic), 255);
}

void TestFont::weightWinsOverBold()
{
    FakeFontService service;
    CLogFont font(service);
    auto description = makeSongFont(15.75);
    description->setWeight(900);
    font.setLogFont(description);
    QCOMPARE(service.records.back().lfWeight, 900);
    QVERIFY(font.logFont()->bold());
}

void TestFont::refusedFontIsRetried()
{
    FakeFontService service;
    service.refuse = true;
    CLogFont font(service);
    font.setLogFont(makeSongFont(15.75));
    QCOMPARE(font.handle(), FontHandle(0));
    service.refuse = false;
    font.setRotation(5);
    QCOMPARE(font.handle(), FontHandle(100));
}

void TestFont::noHandleLeaks()
{
    FakeFontService service;
    {
        CLogFont font(service);
        for (int i = 0; i < 1000; ++i) {
            if (i % 7 == 0)
                font.setLogFont(i % 21 == 0 ? nullptr : makeSongFont(8 + i % 5));
            font.setRotation(float(i % 13));
            QVERIFY(service.live.size() <= 1);
        }
        QVERIFY(service.live.size() == 1);
    }
    QVERIFY(service.live.empty());
    QCOMPARE(service.openContexts, 0);
    QCOMPARE(service.misuse, 0);
}

QTEST_APPLESS_MAIN(TestFont)
#include "test_font.moc"
