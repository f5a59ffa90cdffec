#include "common/numeral.h"
#include "speech/audio_sink.h"
#include "speech/voice.h"
#include "speech/voice_speaker.h"

#include <QTest>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

using namespace qimbora;

namespace {

// A sink the test opens like a gate: a write logs "w" (and may throw), then waits
// for the gate; "f" is a flush, "end" the sink's end; opens may be refused.
struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    bool throwOnWrite = false;
    int refusals = 0;      // set before the worker starts
    int writesToLoss = -1; // writes until the server is lost, until the next open
    std::vector<std::string> log;
    std::size_t samples = 0; // written in all
    bool textEnded = false;  // a write shorter than a chunk ends a text

    // Waits on the worker's own signals; the limit only stops a faulty build hanging.
    template <typename Done>
    bool waitFor(Done done)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(30), done);
    }
    void note(const char* what)
    {
        const std::lock_guard lock(mutex);
        log.push_back(what);
        changed.notify_all();
    }
    void openUp()
    {
        const std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
};

class GateSink final : public AudioSink {
public:
    explicit GateSink(std::shared_ptr<Gate> gate)
        : m_gate(std::move(gate))
    {
    }
    ~GateSink() override { m_gate->note("end"); }
    bool open(int) override
    {
        if (m_gate->writesToLoss == 0)
            m_gate->writesToLoss = -1;
        if (m_gate->refusals == 0)
            return true;
        --m_gate->refusals;
        m_gate->note("no server");
        return false;
    }
    bool write(const std::int16_t*, std::size_t count) override
    {
        if (m_gate->writesToLoss == 0) {
            m_gate->note("lost");
            return false;
        }
        if (m_gate->writesToLoss > 0)
            --m_gate->writesToLoss;
        {
            const std::lock_guard lock(m_gate->mutex);
            m_gate->samples += count;
            m_gate->textEnded = m_gate->textEnded || count < 1024;
        }
        m_gate->note("w");
        if (m_gate->throwOnWrite)
            throw std::bad_alloc();
        std::unique_lock lock(m_gate->mutex);
        m_gate->changed.wait(lock, [this] { return m_gate->open; });
        return true;
    }
    void flush() override { m_gate->note("f"); }

private:
    std::shared_ptr<Gate> m_gate;
};

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    // Each language's praise, up to the count's end, is read by that language's voice (a second or
    // more of it), never falling back to English, which the phonemes would show as a switch to (en).
    void praiseStaysInItsLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("heard"); // the phonemes of 真, the praise's first word
        QTest::newRow("Mandarin") << Language::Simplified << "真聪明！共画了"
                                  << "ts.'@55n_";
        QTest::newRow("Taiwan") << Language::Taiwan << "真聰明！共畫了"
                                << "ts.'@55n_";
        QTest::newRow("Cantonese") << Language::HongKong << "真聰明！一共畫咗"
                                   << "z'a1n_";
    }
    void praiseStaysInItsLanguage()
    {
        QFETCH(Language, language);
        QFETCH(QString, before);
        QFETCH(QString, heard);
        Voice* voice = Voice::of(language);
        QVERIFY(voice);
        const auto praise
            = [&](int n) { return before.toStdString() + chineseNumeral(n, language) + "朵花"; };
        QVERIFY2(voice->synthesize(praise(3)).size() >= std::size_t(voice->sampleRate()), "a second or more");
        for (int count = 1; count <= 32767; ++count) {
            const std::string phonemes = voice->phonemes(praise(count));
            QVERIFY2(phonemes.find('(') == std::string::npos && phonemes.starts_with(heard.toStdString()),
                     (praise(count) + " " + phonemes).c_str());
        }
    }
    // Of two praises said before the voice is ready, the second replaces the first.
    void theNewestWaitingPraiseAloneIsSpoken()
    {
        const std::size_t second = Voice::of(Language::Simplified)->synthesize("二").size();
        auto gate = std::make_shared<Gate>();
        gate->open = true;
        VoiceSpeaker speaker(std::make_unique<GateSink>(gate));
        speaker.say("一二三四五六七八九十");
        speaker.say("二");
        speaker.start();
        QVERIFY(gate->waitFor([&] { return gate->textEnded; }));
        const std::lock_guard lock(gate->mutex);
        QVERIFY2(gate->samples < second * 3 / 2, qPrintable(QString::number(gate->samples)));
    }
    // The first praise is held at its first chunk; the newest, said then, cuts it
    // off: the sound queued is flushed, and the newest follows at once.
    void theNewestPraiseCutsTheOldOneShort()
    {
        auto gate = std::make_shared<Gate>();
        VoiceSpeaker speaker(std::make_unique<GateSink>(gate));
        speaker.start();
        speaker.say("真聪明！共画了一朵花");
        QVERIFY(gate->waitFor([&] { return gate->log.size() == 1; }));
        speaker.say("真聪明！共画了两朵花");
        gate->openUp();
        QVERIFY(gate->waitFor([&] { return gate->log.size() > 2 && gate->log.back() == "w"; }));
        const std::lock_guard lock(gate->mutex);
        QCOMPARE(QList<std::string>(gate->log.begin(), gate->log.begin() + 3),
                 QList<std::string>({"w", "f", "w"}));
    }
    // A held write does not hold the program's end.
    void aHeldWriteNeverHoldsTheProgram()
    {
        auto held = std::make_shared<Gate>();
        // No exit wait: the test has what it needs once the end returns.
        std::optional<VoiceSpeaker> speaker(std::in_place, std::make_unique<GateSink>(held),
                                            Language::Simplified, std::chrono::milliseconds(0));
        speaker->start();
        speaker->say("真聪明！共画了一朵花");
        QVERIFY(held->waitFor([&] { return held->log.size() == 1; }));
        speaker.reset(); // returns while the write is held
        QCOMPARE(held->log, std::vector<std::string>({"w"}));
        held->openUp();
        QVERIFY(held->waitFor([&] { return held->log.back() == "end"; }));
    }
    // A missing server is tried again at the next praise; an error on the
    // worker only silences the voice.
    void anErrorOnTheWorkerOnlySilencesTheVoice()
    {
        auto failing = std::make_shared<Gate>();
        failing->refusals = 1;
        failing->throwOnWrite = true;
        VoiceSpeaker silenced(std::make_unique<GateSink>(failing));
        silenced.start();
        silenced.say("真聪明！共画了一朵花");
        QVERIFY(failing->waitFor([&] { return !failing->log.empty(); }));
        silenced.say("真聪明！共画了两朵花");
        QVERIFY(failing->waitFor([&] { return failing->log.back() == "end"; }));
        QCOMPARE(failing->log, std::vector<std::string>({"no server", "w", "end"}));
    }
    // The sound server went away and came back while a praise was spoken: it
    // goes on through a new stream.
    void aRestartedServerIsUsedAtOnce()
    {
        auto gate = std::make_shared<Gate>();
        gate->open = true;
        gate->writesToLoss = 1;
        VoiceSpeaker speaker(std::make_unique<GateSink>(gate));
        speaker.start();
        speaker.say("真聪明！共画了一朵花");
        QVERIFY(gate->waitFor([&] { return gate->log.size() >= 3; }));
        const std::lock_guard lock(gate->mutex);
        QCOMPARE(QList<std::string>(gate->log.begin(), gate->log.begin() + 3),
                 QList<std::string>({"w", "lost", "w"}));
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "test_speech.moc"
