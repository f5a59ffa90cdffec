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
    // A font and an angle -> the record handed to the font service, or the error
    // the build raises (the old handle is gone then, and the new one is none).
    void records_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("charset");
        QTest::addColumn<float>("rotation");
        QTest::addColumn<QList<int>>("record"); // height, escapement, out precision, character set
        const auto row = [](const char* what, double points, int charset, float rotation, QList<int> record) {
            QTest::newRow(what) << points << charset << rotation << record;
        };
        row("the canvas's font", 15.75, 134, 0, {-21, 0, 0, 134});
        row("-10.5 to even", 7.875, 134, 0, {-10, 0, 0, 134});
        row("turned", 12, 134, 45, {-16, 450, 7, 134});
        row("2.5 tenths to even", 12, 134, 0.25f, {-16, 2, 0, 134});
        row("turned is judged on whole degrees", 12, 134, 359.6f, {-16, 3596, 0, 134});
        row("OEM turned becomes ANSI", 12, 255, 45, {-16, 450, 7, 0});
        row("OEM at a whole turn stays", 12, 255, 360, {-16, 3600, 0, 255});
        row("a character set beyond a byte", 12, 256, 0, {});
        row("an infinite angle", 12, 134, std::numeric_limits<float>::infinity(), {});
        row("a height beyond 32 bits", 1e12, 134, 0, {});
    }
    void records()
    {
        QFETCH(double, points);
        QFETCH(int, charset);
        QFETCH(float, rotation);
        QFETCH(QList<int>, record);
        FakeFontService service;
        CLogFont font(service);
        font.SetLogFont(makeSongFont(15.75));
        auto description = makeSongFont(points);
        description->Charset = std::int16_t(charset);
        description->Italic = true;
        description->SetWeight(-5);                     // sign-extended, not masked
        description->Name = "宋体宋体宋体宋体宋体宋体"; // 36 bytes: cut before the eleventh character
        const auto error = errorOf([&] {
            font.SetRotation(rotation);
            font.SetLogFont(description);
        });
        if (record.isEmpty()) {
            QCOMPARE(error, ErrorKind::Overflow);
            QCOMPARE(QList<int>({int(font.Handle()), int(service.live.size()), service.misuse}),
                     QList<int>({0, 0, 0}));
            return;
        }
        const LogFontRecord& r = service.records.back();
        QCOMPARE(QList<int>({r.lfHeight, r.lfEscapement, r.lfOutPrecision, r.lfCharSet}), record);
        QCOMPARE(QList<int>({r.lfOrientation, r.lfWeight, r.lfItalic, r.lfUnderline, r.lfQuality, r.lfWidth}),
                 QList<int>({r.lfEscapement, -5, 255, 0, 2, 0}));
        QCOMPARE(QByteArray(r.lfFaceName, sizeof r.lfFaceName),
                 QByteArray("宋体宋体宋体宋体宋体") + QByteArray(1, '\0') + QByteArray(1, ' '));
    }
    // One object through its states: every handle built is deleted exactly once,
    // and nothing is rebuilt that did not change.
    void handleLifecycle()
    {
        FakeFontService service;
        {
            CLogFont font(service);
            QCOMPARE(font.Handle(), FontHandle(0));
            font.SetRotation(45); // stored only
            QCOMPARE(service.calls, std::string());
            const StdFontRef source = makeSongFont(15.75);
            source->SetWeight(900);
            font.SetLogFont(source);
            QCOMPARE(service.calls, std::string("PC"));     // the resolution is read at each build
            QCOMPARE(service.records.back().lfWeight, 900); // the weight wins over Bold
            source->Name = "Arial";                         // the copy is independent
            QCOMPARE(font.LogFont()->Name, std::string("宋体"));
            const FontHandle first = font.Handle();
            font.SetRotation(45);
            font.SetRotation(std::numeric_limits<float>::quiet_NaN()); // unordered counts as equal
            QCOMPARE(font.Handle(), first);
            QCOMPARE(service.calls, std::string("PC"));
            font.LogFont()->Italic = true; // shows only at the next build
            font.SetLogFont(font.LogFont());
            QVERIFY(font.Handle() != first);
            font.SetLogFont(nullptr);
            QCOMPARE(font.Handle(), FontHandle(0));
            QCOMPARE(font.Rotation(), 45.0f);
            service.refuse = true;
            font.SetLogFont(makeSongFont(12));
            QCOMPARE(font.Handle(), FontHandle(0));
            service.refuse = false;
            font.SetRotation(30); // tried again
            QVERIFY(font.Handle() != 0);
        }
        QVERIFY(service.live.empty());
        QCOMPARE(service.misuse, 0);
    }
};

QTEST_APPLESS_MAIN(TestFont)
#include "test_font.moc"
