#include "font/clogfont.h"
#include "font/qt_font_service.h"
#include "font/std_font.h"
#include "paint/flower.h"
#include "paint/index_angles.h"
#include "paint/modular.h"
#include "paint/numbering.h"
#include "paint/petals.h"
#include "paint/possible_petals.h"
#include "paint/random.h"
#include "surface/canvas.h"

#include "plain_petals.h"
#include "support.h"

#include <QTest>

#include <unordered_map>

using namespace qimbora;
using namespace qimbora::modular;
using u64 = std::uint64_t;

namespace {

const Color kBack = rgbColor(0, 0, 64);

struct Ring {
    const char* name;
    PetalRing ring;
    std::int32_t count;
};

// As the window makes them: the inner radius a quarter of the outer.
PetalRing windowRing(int outer, std::int32_t count, double pattern, int degrees)
{
    return {(pattern * 3.1415) / count, (degrees * 3.1415) / 180.0, toInt32(outer / 4.0), outer, 561, 346};
}

// The petals drawPetals draws, each once, sorted.
std::vector<PetalPoints> drawnPetals(const PetalRing& ring, std::int32_t count, const PetalLimits& limits)
{
    std::vector<PetalPoints> drawn;
    drawPetals(
        ring, count, [&](const PetalPoints& points) { drawn.push_back(points); }, {}, limits);
    const std::size_t all = drawn.size();
    testing::sortDistinct(drawn);
    return drawn.size() == all ? drawn : std::vector<PetalPoints>{};
}

} // namespace

Q_DECLARE_METATYPE(qimbora::PetalRing)

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
        QCOMPARE(praise.count, 32767);
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

    // The modular search and its walk along an arc against trying every multiple.
    void modularSearchOnEverySmallModulus()
    {
        for (u64 m = 1; m <= 20; ++m) {
            for (u64 a = 0; a < m; ++a) {
                for (u64 low = 0; low < m; ++low) {
                    for (u64 high = low; high < m; ++high) {
                        std::optional<u64> first;
                        for (u64 x = 0; x < m && !first; ++x)
                            first = (a * x) % m >= low && (a * x) % m <= high ? std::optional(x) : first;
                        if (firstMultipleIn(a, m, low, high) != first)
                            QFAIL(qPrintable(
                                QString("%1 * x in [%2, %3] mod %4").arg(a).arg(low).arg(high).arg(m)));
                    }
                    for (u64 start = 0; start < m; ++start) {
                        for (u64 width = 1; width <= m; ++width) {
                            ArcHits hits(a, m, start, low, width);
                            for (u64 n = 0; n < 3 * m; ++n) {
                                if ((start + n * a + m - low) % m < width && hits.next() != n)
                                    QFAIL(qPrintable(QString("%1 + %2n in [%3, +%4) mod %5 at %6")
                                                         .arg(start)
                                                         .arg(a)
                                                         .arg(low)
                                                         .arg(width)
                                                         .arg(m)
                                                         .arg(n)));
                            }
                        }
                    }
                }
            }
        }
    }
    void wideArithmeticAtItsEdges()
    {
        constexpr u64 kTop = ~u64(0), kHalf = u64(1) << 63;
        QCOMPARE(QList<u64>({multiply(kTop, kTop).high, multiply(kTop, kTop).low}),
                 QList<u64>({kTop - 1, 1}));
        QCOMPARE(multiplyModulo(kTop, kTop, kTop - 2), u64(4));
        const struct {
            Wide n;
            u64 d;
            std::optional<u64> up;
        } rows[] = {{{0, 10}, 3, 4},        {{1, 0}, 2, kHalf},
                    {{1, 1}, 2, kHalf + 1}, {{1, 0}, 1, {}},
                    {{0, kTop}, 1, kTop},   {{kTop - 1, kTop}, kTop, {}},
                    {{0, 5}, 0, {}},        {{3, 5}, 7, 7905747460161236408u}};
        for (const auto& row : rows)
            QCOMPARE(divideUp(row.n, row.d), row.up);
        // Inverses modulo 2^63, found through the deepest chains of the search.
        QCOMPARE(firstMultipleIn(kHalf / 2 + 1, kHalf, 1, 1), std::optional(kHalf / 2 + 1));
        QCOMPARE(firstMultipleIn(kHalf - 1, kHalf, 1, 1), std::optional(kHalf - 1));
    }

    // A turn's remainder against one worked out to 60 digits.
    void turnRemainder_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("remainder");
        QTest::newRow("1e9") << 1e9 << 0.57739542350138517;
        QTest::newRow("2^40 - 1") << 1099511627775.0 << 2.5593426962577985;
        QTest::newRow("backwards") << -12345.678 << 0.78112860788754357;
        QTest::newRow("a step of the most petals") << 1463.25 * 2147483646 << -1.006434866856736;
    }
    void turnRemainder()
    {
        QFETCH(double, angle);
        QFETCH(double, remainder);
        QVERIFY(std::fabs(qimbora::remainderOfTurn(angle) - remainder) < 1e-15);
    }

    // An index is found at its own angle, not one before it; and every index of
    // an arc is found, in order.
    void indexAngles_data()
    {
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("start");
        QTest::addColumn<qint64>("index");
        QTest::newRow("small step") << 0.001 << 0.5 << qint64(1234);
        QTest::newRow("a turn and a bit") << 6.3 << 1.0 << qint64(77);
        QTest::newRow("backwards") << -0.7 << 2.0 << qint64(999);
        QTest::newRow("a long way round") << 1463.25 << 0.0 << qint64(6000);
    }
    void indexAngles()
    {
        QFETCH(double, step);
        QFETCH(double, start);
        QFETCH(qint64, index);
        const IndexAngles angles(step, start);
        const double own = double(index) * step + start;
        QCOMPARE(angles.in(own, own, index - 50, index + 50).next(), std::optional(index));
        const auto within = [&](std::int64_t i, double margin) {
            const double angle = remainderOfTurn(double(i) * step + start - 1.0);
            return angle >= margin && angle <= 0.2 - margin;
        };
        IndexAngles::Hits hits = angles.in(1.0, 1.2, 1, 20000);
        std::vector<bool> hit(20001);
        std::int64_t last = 0;
        while (const std::optional<std::int64_t> at = hits.next()) {
            QVERIFY(*at > last);
            hit[std::size_t(*at)] = true;
            last = *at;
        }
        for (std::int64_t i = 1; i <= 20000; ++i) {
            QVERIFY2(hit[std::size_t(i)] || !within(i, 1e-7), qPrintable(QString("index %1 missed").arg(i)));
            QVERIFY2(!hit[std::size_t(i)] || within(i, -1e-7),
                     qPrintable(QString("index %1 off the arc").arg(i)));
        }
    }

    // Every petal the plain loop draws is one the set expects, listed where its
    // index's angle lies, on rings that reach the edges of its bounds.
    void possiblePetalsHoldEveryPetal()
    {
        const Ring rings[] = {
            {"window ring", windowRing(170, 20000, 6, 200), 20000},
            {"binade edges every few petals", {3.0, 0.5, 42, 170, 561, 346}, 30000},
            {"a tie in the step", {7e9 + 0x1p-6, 1.0, 30, 120, 200, 150}, 25000},
            {"a tie in the offset", {7e9, 3 * 0x1p-6, 30, 120, 200, 150}, 25000},
            {"angles past 2^45", {1e9 + 1.0 / 3, 1.0 / 3, 30, 120, 200, 150}, 50000},
            {"backwards", {-0.37, 2.0, 42, 170, 561, 346}, 20000},
            {"offset far beyond the step", {1e-7, 5.5, 42, 170, 561, 346}, 20000},
            {"no inner circle", {0.0123, 0.0, 0, 40, 50, 50}, 10000},
        };
        for (const Ring& r : rings) {
            std::optional<PossiblePetals> possible = PossiblePetals::of(r.ring, r.count);
            QVERIFY2(possible, r.name);
            std::unordered_multimap<PetalPoints, PossiblePetals::Place, PetalPointsHash> places;
            for (const PossiblePetals::Place& place : possible->missing())
                places.emplace(place.petal, place);
            const IndexAngles angles(r.ring.step, r.ring.offset);
            for (std::int64_t i = 1; i <= r.count; ++i) {
                const PetalPoints petal = testing::plainPetal(r.ring, i);
                const auto [first, last] = places.equal_range(petal);
                const bool listed = std::any_of(first, last, [&](const auto& entry) {
                    const PossiblePetals::Place& place = entry.second;
                    return i >= place.first && i <= place.last
                        && angles.in(place.low, place.high, i, i).next();
                });
                QVERIFY2(listed, qPrintable(QString("%1: petal %2").arg(r.name).arg(i)));
                possible->markDrawn(petal);
            }
            QVERIFY2(possible->accountsForDrawn(), r.name);
        }
    }

    // Walked, completed and searched as the limits say, a ring draws what the
    // plain loop draws: with small limits on rings where a petal comes once,
    // and with the program's own on rings of millions of petals. A ring cut
    // short by its steps draws the petals of the steps it took.
    void petalsAsThePlainLoop_data()
    {
        QTest::addColumn<PetalRing>("ring");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("limits");
        QTest::addColumn<int>("plainCount");
        const PetalRing far{1e9, 1.0, 42, 170, 561, 346};
        QTest::newRow("every petal differs")
            << PetalRing{1.3, 0.2, 25, 100, 200, 150} << 400 << "small" << 400;
        QTest::newRow("rare petals between runs")
            << PetalRing{0.003, 0.0, 42, 170, 561, 346} << 3000 << "small" << 3000;
        QTest::newRow("far round the circle") << far << 500 << "small" << 500;
        QTest::newRow("searched in vain, then walked")
            << PetalRing{1e12 + 1.0 / 3, 1.0, 42, 170, 561, 346} << 3000 << "small" << 3000;
        QTest::newRow("5 digits") << windowRing(170, 3000000, 77777, 0) << 3000000 << "program" << 3000000;
        QTest::newRow("10 digits") << windowRing(170, 2000000, 1234567890, 90) << 2000000 << "program"
                                   << 2000000;
        QTest::newRow("1e12") << windowRing(170, 2000000, 1e12, 33) << 2000000 << "program" << 2000000;
        QTest::newRow("cut short") << PetalRing{1e9, 1.0, 42, 1500, 561, 346} << 500 << "cut" << 50;
    }
    void petalsAsThePlainLoop()
    {
        QFETCH(PetalRing, ring);
        QFETCH(int, count);
        QFETCH(QString, limits);
        QFETCH(int, plainCount);
        const PetalLimits small{.runsFrom = 16, .completeFrom = 16, .searchAfter = 8, .mostSteps = 66 * 3000};
        const PetalLimits cut{.mostSteps = 50 * 65}; // 50 steps, each drawing a petal
        const PetalLimits chosen = limits == "small" ? small : limits == "cut" ? cut : PetalLimits{};
        QVERIFY(drawnPetals(ring, count, chosen) == testing::plainPetals(ring, plainCount).drawn);
    }
};

QTEST_MAIN(TestPaint)
#include "test_paint.moc"
