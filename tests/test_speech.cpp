#include "speech/audio_sink.h"
#include "speech/numerals.h"
#include "speech/voice.h"
#include "speech/voice_speaker.h"

#include <QTest>

#include <atomic>
#include <cmath>

using namespace qimbora;

namespace {

// Counts the samples that would be heard: flush drops what was queued.
class RecordingSink final : public AudioSink {
public:
    bool open(int) override { return true; }
    bool write(const std::int16_t*, std::size_t count) override { return heard += count, true; }
    void flush() override { heard = 0; }
    std::atomic<std::size_t> heard = 0;
};

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    void numerals_data();
    void numerals();
    void praiseOfThreeIsMandarin();
    void theNewestPraiseIsWhatIsHeard();
};

// The count as it is read aloud before 朵: two is 两 before the measure word and
// before 百, 千 and 万, but 二 in the ones and tens and inside a number.
void TestSpeech::numerals_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("spoken");
    // clang-format off
    for (const auto& [number, spoken] : std::initializer_list<std::pair<int, const char*>>{
            {1, "一"}, {2, "两"}, {10, "十"}, {11, "十一"}, {12, "十二"}, {20, "二十"}, {22, "二十二"},
            {100, "一百"}, {101, "一百零一"}, {102, "一百零二"}, {110, "一百一十"}, {200, "两百"},
            {1001, "一千零一"}, {1010, "一千零一十"}, {1200, "一千二百"}, {2000, "两千"}, {2002, "两千零二"},
            {10000, "一万"}, {10002, "一万零二"}, {10010, "一万零一十"}, {20000, "两万"},
            {20305, "两万零三百零五"}, {22222, "两万两千二百二十二"}, {32767, "三万两千七百六十七"}})
        // clang-format on
        QTest::newRow(qPrintable(QString::number(number))) << number << QString::fromUtf8(spoken);
}

void TestSpeech::numerals()
{
    QFETCH(int, number);
    QTEST(QString::fromStdString(chineseNumeral(number)), "spoken");
}

void TestSpeech::praiseOfThreeIsMandarin()
{
    QCOMPARE(QString::fromStdString(spokenPraise(3)), QStringLiteral("真聪明！共画了三朵花"));
    MandarinVoice voice;
    QVERIFY(voice.load());
    const auto samples = voice.synthesize(spokenPraise(3));
    QVERIFY2(samples.size() >= std::size_t(voice.sampleRate()), "a second or more");
    // 三 is san in the first tone (55), not letters spelled in English.
    const QString phonemes = QString::fromStdString(voice.phonemes(spokenPraise(3)));
    QVERIFY2(phonemes.contains(QStringLiteral("s'a55n")), qPrintable(phonemes));
}

// Ten praises in a row: the last cuts off the ones before, and nothing queues.
// It is the longest (32767 takes five seconds, the others three), so what is
// heard is that one alone: its length, give or take the engine's few samples
// of memory of the text before.
void TestSpeech::theNewestPraiseIsWhatIsHeard()
{
    MandarinVoice voice;
    QVERIFY(voice.load());
    const double expected = double(voice.synthesize(spokenPraise(32767)).size());
    auto sink = std::make_unique<RecordingSink>();
    RecordingSink& heard = *sink;
    VoiceSpeaker speaker(std::move(sink));
    speaker.start();
    for (std::int16_t count = 1; count <= 9; ++count)
        speaker.say(spokenPraise(count));
    speaker.say(spokenPraise(32767));
    const auto heardIt = [&] { return std::abs(double(heard.heard) - expected) < expected / 100; };
    QTRY_VERIFY_WITH_TIMEOUT(heardIt(), 10000);
    QTest::qWait(200); // nothing more comes
    QVERIFY(heardIt());
}

QTEST_GUILESS_MAIN(TestSpeech)
#include "test_speech.moc"
