#include "speech/audio_sink.h"
#include "speech/numerals.h"
#include "speech/voice.h"
#include "speech/voice_speaker.h"

#include <QTest>

#include <cmath>
#include <cstdio>
#include <mutex>

#include <unistd.h>

using namespace qimbora;

namespace {

// Keeps what would be heard: flush drops what was queued since the last flush.
class RecordingSink final : public AudioSink {
public:
    bool open(int) override { return true; }
    bool write(const std::int16_t* samples, std::size_t count) override
    {
        const std::lock_guard lock(m_mutex);
        m_heard.insert(m_heard.end(), samples, samples + count);
        return true;
    }
    void flush() override
    {
        const std::lock_guard lock(m_mutex);
        m_heard.clear();
        ++m_flushes;
    }
    std::vector<std::int16_t> heard()
    {
        const std::lock_guard lock(m_mutex);
        return m_heard;
    }

private:
    std::mutex m_mutex;
    std::vector<std::int16_t> m_heard;
    int m_flushes = 0;
};

std::vector<std::int16_t> synthesized(const std::string& text)
{
    MandarinVoice voice;
    if (!voice.load())
        return {};
    return voice.synthesize(text);
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    void numerals_data();
    void numerals();
    void praiseOfThreeIsMandarin();
    void theNewestPraiseIsWhatIsHeard();
    void noSoundServerIsSilent();
};

void TestSpeech::numerals_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("spoken");
    const std::pair<int, const char*> rows[] = {
        {1, "一"},
        {2, "二"},
        {10, "十"},
        {11, "十一"},
        {20, "二十"},
        {100, "一百"},
        {101, "一百零一"},
        {110, "一百一十"},
        {1001, "一千零一"},
        {1010, "一千零一十"},
        {10000, "一万"},
        {10010, "一万零一十"},
        {32767, "三万二千七百六十七"},
        {20305, "二万零三百零五"},
    };
    for (const auto& [number, spoken] : rows)
        QTest::addRow("%d", number) << number << QString::fromUtf8(spoken);
}

void TestSpeech::numerals()
{
    QFETCH(int, number);
    QFETCH(QString, spoken);
    QCOMPARE(QString::fromStdString(chineseNumeral(number)), spoken);
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
    const double expected = double(synthesized(spokenPraise(32767)).size());
    QVERIFY(expected > 0);
    auto sink = std::make_unique<RecordingSink>();
    RecordingSink& heard = *sink;
    VoiceSpeaker speaker(std::move(sink));
    speaker.start();
    for (std::int16_t count = 1; count <= 9; ++count)
        speaker.say(spokenPraise(count));
    speaker.say(spokenPraise(32767));
    QTRY_VERIFY_WITH_TIMEOUT(std::abs(double(heard.heard().size()) - expected) < expected / 100, 10000);
    QTest::qWait(200); // nothing more comes
    QVERIFY(std::abs(double(heard.heard().size()) - expected) < expected / 100);
}

// Without a sound server a praise neither waits nor prints.
void TestSpeech::noSoundServerIsSilent()
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/qimbora");
    std::fflush(stderr);
    int pipeEnds[2];
    QCOMPARE(pipe(pipeEnds), 0);
    const int savedStderr = dup(2);
    dup2(pipeEnds[1], 2);
    {
        VoiceSpeaker speaker(std::make_unique<PulseSink>());
        speaker.start();
        speaker.say(spokenPraise(1));
        QTest::qWait(300);
    }
    std::fflush(stderr);
    dup2(savedStderr, 2);
    close(pipeEnds[1]);
    char printed[256];
    const ssize_t length = read(pipeEnds[0], printed, sizeof printed);
    close(pipeEnds[0]);
    qunsetenv("PULSE_SERVER");
    QCOMPARE(length, ssize_t(0));
}

QTEST_GUILESS_MAIN(TestSpeech)
#include "test_speech.moc"
