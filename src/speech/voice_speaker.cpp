#include "speech/voice_speaker.h"

#include "speech/audio_sink.h"
#include "speech/voice.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

#include <pthread.h>

namespace qimbora {

namespace {

// Samples written at a time: a new text cuts in within this much sound.
constexpr std::size_t kChunkSamples = 1024;

} // namespace

struct VoiceSpeaker::Shared {
    explicit Shared(Language spoken)
        : language(spoken)
    {
    }

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable done;
    const Language language;
    std::string text;             // the newest text not yet taken
    std::uint64_t generation = 0; // counts the texts handed over
    bool stopping = false;
    bool finished = false;

    bool replaced(std::uint64_t spoken)
    {
        const std::lock_guard lock(mutex);
        return stopping || generation != spoken;
    }

    // Speaks until stopped. The lock is never held over the sink or the voice.
    void speak(AudioSink& sink)
    {
        Voice* voice = Voice::of(language);
        if (!voice)
            return;
        std::uint64_t spoken = 0;
        bool opened = false;
        bool soundQueued = false;
        for (;;) {
            std::string next;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [&] { return stopping || generation != spoken; });
                if (stopping)
                    break;
                next = std::move(text);
                spoken = generation;
            }
            // Whatever is still playing of the text before is cut off.
            if (soundQueued)
                sink.flush();
            // A sound server that comes later is heard from the next praise on.
            if (!opened && !(opened = sink.open(voice->sampleRate())))
                continue;
            const std::vector<std::int16_t> samples = voice->synthesize(next);
            soundQueued = false;
            for (std::size_t at = 0; at < samples.size() && !replaced(spoken); at += kChunkSamples) {
                soundQueued = true;
                const std::size_t chunk = std::min(kChunkSamples, samples.size() - at);
                if (sink.write(samples.data() + at, chunk))
                    continue;
                // The server went away, and may be back already (restarted): this
                // praise goes on through a new stream, or the next one tries again.
                opened = sink.open(voice->sampleRate());
                if (!opened || !sink.write(samples.data() + at, chunk))
                    break;
            }
        }
        sink.flush();
    }

    static void run(std::shared_ptr<Shared> shared, std::unique_ptr<AudioSink> sink)
    {
        // Named, so that the voice's thread can be told apart in a process list.
        pthread_setname_np(pthread_self(), "qimbora-voice");
        // An error here would end the program with the drawing: the voice falls silent instead.
        try {
            shared->speak(*sink);
        } catch (...) {
        }
        sink.reset();
        const std::lock_guard lock(shared->mutex);
        shared->finished = true;
        shared->done.notify_all();
    }
};

VoiceSpeaker::VoiceSpeaker(std::unique_ptr<AudioSink> sink, Language language,
                           std::chrono::milliseconds exitWait)
    : m_shared(std::make_shared<Shared>(language))
    , m_sink(std::move(sink))
    , m_exitWait(exitWait)
{
}

VoiceSpeaker::~VoiceSpeaker()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->stopping = true;
    m_shared->wake.notify_all();
    if (!m_worker.joinable())
        return;
    const bool finished = m_shared->done.wait_for(lock, m_exitWait, [this] { return m_shared->finished; });
    lock.unlock();
    if (finished)
        m_worker.join();
    else
        m_worker.detach();
}

void VoiceSpeaker::start()
{
    if (!m_worker.joinable() && m_sink)
        m_worker = std::thread(&Shared::run, m_shared, std::move(m_sink));
}

void VoiceSpeaker::say(const std::string& text)
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->text = text;
    ++m_shared->generation;
    m_shared->wake.notify_all();
}

} // namespace qimbora
