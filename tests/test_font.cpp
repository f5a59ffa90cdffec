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

// Records every call as a letter (P resolution, C create, X delete); hands out
// handles from 100 and counts handles deleted twice.
class FakeFontService final : public FontService {
public:
    int pixelsPerInch() override { return calls += 'P', 96; }
    FontHandle CreateFontIndirectA(const LogFontRecord& record) override
    {
        calls += 'C';
        records.push_back(record);
        return refuse ? 0 : *live.insert(next++).first;
    }
    bool DeleteObject(FontHandle font) override
    {
        return calls += 'X', misuse += live.erase(font) != 1, true;
    }

    bool refuse = false;
    std::string calls;
    std::vector<LogFontRecord> records;
    std::set<FontHandle> live;
    FontHandle next = 100;
    int misuse = 0;
};

} // namespace

class TestFont : public QObject {
    Q_OBJECT

private slots:
    void records();
    void buildFailures();
    void handleLifecycle();
};

// The record handed to the font service for a font and an angle.
void TestFont::records()
{
    struct Row {
        double points;
        int charset;
        float rotation;
        int height, escapement, outPrecision, charsetSent;
    };
    const Row rows[] = {
        {15.75, 134, 0, -21, 0, 0, 134},  // the canvas's font
        {7.875, 134, 0, -10, 0, 0, 134},  // -10.5 to even
        {9.375, 134, 0, -12, 0, 0, 134},  // -12.5 to even
        {12, 134, 45, -16, 450, 7, 134},  // turned
        {12, 134, 0.25f, -16, 2, 0, 134}, // 2.5 to even
        // Turned is judged on whole degrees while the escapement keeps tenths.
        {12, 134, 359.6f, -16, 3596, 0, 134},
        // The OEM set becomes ANSI only when turned.
        {12, 255, 45, -16, 450, 7, 0},
        {12, 255, 360, -16, 3600, 0, 255},
    };
    for (const Row& row : rows) {
        FakeFontService service;
        CLogFont font(service);
        font.setRotation(row.rotation);
        auto description = makeSongFont(row.points);
        description->Charset = std::int16_t(row.charset);
        description->Italic = true;
        description->SetWeight(-5); // sign-extended, not masked
        font.setLogFont(description);
        const LogFontRecord& r = service.records.back();
        QCOMPARE(QList<int>({r.lfHeight, r.lfEscapement, r.lfOrientation, r.lfOutPrecision, r.lfCharSet}),
                 QList<int>({row.height, row.escapement, row.escapement, row.outPrecision, row.charsetSent}));
        QCOMPARE(QList<int>({r.lfWeight, r.lfItalic, r.lfUnderline, r.lfQuality, r.lfWidth}),
                 QList<int>({-5, 255, 0, 2, 0}));
    }
}

// An overflow while building (a character set beyond a byte, an infinite
// angle, a height beyond 32 bits): the old handle is gone, the new one is
// none.
void TestFont::buildFailures()
{
    const std::tuple<int, float, double> rows[]
        = {{256, 0, 12}, {134, std::numeric_limits<float>::infinity(), 12}, {134, 0, 1e12}};
    for (const auto& [charset, rotation, points] : rows) {
        FakeFontService service;
        CLogFont font(service);
        font.setLogFont(makeSongFont(15.75));
        auto description = makeSongFont(points);
        description->Charset = std::int16_t(charset);
        QCOMPARE(errorOf([&] {
                     font.setRotation(rotation);
                     font.setLogFont(description);
                 }),
                 ErrorKind::Overflow);
        QCOMPARE(QList<int>({int(font.handle()), int(service.live.size()), service.misuse}),
                 QList<int>({0, 0, 0}));
    }
}

// One object through its states: every handle built is deleted exactly once,
// and nothing is rebuilt that did not change.
void TestFont::handleLifecycle()
{
    FakeFontService service;
    {
        CLogFont font(service);
        QCOMPARE(font.handle(), FontHandle(0));
        font.setRotation(45); // stored only
        QCOMPARE(service.calls, std::string());
        const StdFontRef source = makeSongFont(15.75);
        source->SetWeight(900);
        font.setLogFont(source);
        QCOMPARE(service.calls, std::string("PC")); // the resolution is read at each build
        QCOMPARE(service.records.back().lfEscapement, 450);
        QCOMPARE(service.records.back().lfWeight, 900); // the weight wins over Bold
        source->Name = "Arial";                         // the copy is independent
        QCOMPARE(font.logFont()->Name, std::string("宋体"));
        const FontHandle first = font.handle();
        font.setRotation(45);
        font.setRotation(std::numeric_limits<float>::quiet_NaN()); // unordered counts as equal
        QCOMPARE(font.handle(), first);
        QCOMPARE(service.calls, std::string("PC"));
        font.logFont()->Italic = true; // shows only at the next build
        font.setLogFont(font.logFont());
        QVERIFY(font.handle() != first);
        QCOMPARE(int(service.records.back().lfItalic), 255);
        font.setLogFont(nullptr);
        QCOMPARE(font.handle(), FontHandle(0));
        QCOMPARE(font.rotation(), 45.0f);
        service.refuse = true;
        font.setLogFont(makeSongFont(12));
        QCOMPARE(font.handle(), FontHandle(0));
        service.refuse = false;
        font.setRotation(30); // tried again
        QVERIFY(font.handle() != 0);
    }
    QVERIFY(service.live.empty());
    QCOMPARE(service.misuse, 0);
}

QTEST_APPLESS_MAIN(TestFont)
#include "test_font.moc"
