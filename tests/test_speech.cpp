#include "speech/audio_sink.h"
#include "speech/voice.h"
#include "speech/voice_speaker.h"

#include <QTest>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

using namespace qimbora;

namespace {

// A sink the test opens and closes like a gate: each write is logged ("w" and
// its samples), then waits while the gate is closed; flush logs "f", the end
// of the sink "end". It throws on a write when told to.
struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    bool throwOnWrite = false;
    std::vector<std::string> log;
    std::size_t samples = 0;

    // Waits, on the worker's own signals, until the log satisfies `done`.
    template <typename Done>
    bool waitFor(Done done)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(30),
                                [&] { return done(); }); // a fault hangs no longer
    }
    void set(bool opened)
    {
        const std::lock_guard lock(mutex);
        open = opened;
        changed.notify_all();
    }
};

class GateSink final : public AudioSink {
public:
    explicit GateSink(std::shared_ptr<Gate> gate)
        : m_gate(std::move(gate))
    {
    }
    ~GateSink() override { note("end"); }
    bool open(int) override { return true; }
    bool write(const std::int16_t*, std::size_t count) override
    {
        std::unique_lock lock(m_gate->mutex);
        if (m_gate->throwOnWrite)
            throw std::bad_alloc();
        m_gate->log.push_back("w");
        m_gate->samples += count;
        m_gate->changed.notify_all();
        m_gate->changed.wait(lock, [this] { return m_gate->open; });
        return true;
    }
    void flush() override { note("f"); }

private:
    void note(const char* what)
    {
        const std::lock_guard lock(m_gate->mutex);
        m_gate->log.push_back(what);
        m_gate->changed.notify_all();
    }
    std::shared_ptr<Gate> m_gate;
};

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    void praiseOfThreeIsMandarin()
    {
        MandarinVoice* voice = MandarinVoice::instance();
        QVERIFY(voice);
        const auto samples = voice->synthesize("真聪明！共画了三朵花");
        QVERIFY2(samples.size() >= std::size_t(voice->sampleRate()), "a second or more");
        // 三 is san in the first tone (55), not letters spelled in English.
        const QString phonemes = QString::fromStdString(voice->phonemes("真聪明！共画了三朵花"));
        QVERIFY2(phonemes.contains(QStringLiteral("s'a55n")), qPrintable(phonemes));
    }
    // The first praise is held at its first chunk; the newest, said then, cuts it
    // off: the sound queued is flushed, and the newest follows at once.
    void theNewestPraiseCutsTheOldOneShort()
    {
        const std::size_t newest = MandarinVoice::instance()->synthesize("真聪明！共画了两朵花").size();
        auto gate = std::make_shared<Gate>();
        VoiceSpeaker speaker(std::make_unique<GateSink>(gate));
        speaker.start();
        speaker.say("真聪明！共画了一朵花");
        QVERIFY(gate->waitFor([&] { return gate->log.size() == 1; }));
        speaker.say("真聪明！共画了两朵花");
        gate->set(true);
        // The engine keeps a few samples' memory of the text before: 99 % of the newest.
        QVERIFY(gate->waitFor([&] { return gate->samples >= 1024 + newest / 100 * 99; }));
        const std::lock_guard lock(gate->mutex);
        QCOMPARE(QList<std::string>(gate->log.begin(), gate->log.begin() + 3),
                 QList<std::string>({"w", "f", "w"}));
        QCOMPARE(std::count(gate->log.begin(), gate->log.end(), "f"), 1);
    }
    // A sound server that holds a write does not hold the end of the program, and
    // an error on the worker silences the voice, nothing more.
    void theWorkerNeverHoldsTheProgram()
    {
        auto held = std::make_shared<Gate>();
        std::optional<VoiceSpeaker> speaker(std::in_place, std::make_unique<GateSink>(held));
        speaker->start();
        speaker->say("真聪明！共画了一朵花");
        QVERIFY(held->waitFor([&] { return held->log.size() == 1; }));
        speaker.reset(); // returns while the write is held
        QCOMPARE(held->log, std::vector<std::string>({"w"}));
        held->set(true);
        QVERIFY(held->waitFor([&] { return held->log.back() == "end"; }));

        auto failing = std::make_shared<Gate>();
        failing->throwOnWrite = true;
        VoiceSpeaker silenced(std::make_unique<GateSink>(failing));
        silenced.start();
        silenced.say("真聪明！共画了一朵花");
        QVERIFY(failing->waitFor([&] { return !failing->log.empty() && failing->log.back() == "end"; }));
        silenced.say("真聪明！共画了两朵花");
        QCOMPARE(failing->log, std::vector<std::string>({"end"}));
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "test_speech.moc"
