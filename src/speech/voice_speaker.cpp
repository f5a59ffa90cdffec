#include "speech/voice_speaker.h"

#include "speech/audio_sink.h"
#include "speech/voice.h"

#include <algorithm>

namespace qimbora {

namespace {

// Samples written at a time: a new text cuts in within this much sound.
constexpr std::size_t kChunkSamples = 1024;

} // namespace

VoiceSpeaker::VoiceSpeaker(std::unique_ptr<AudioSink> sink)
    : m_sink(std::move(sink))
{
}

VoiceSpeaker::~VoiceSpeaker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void VoiceSpeaker::start()
{
    if (!m_worker.joinable())
        m_worker = std::thread(&VoiceSpeaker::run, this);
}

void VoiceSpeaker::say(const std::string& text)
{
    {
        const std::lock_guard lock(m_mutex);
        m_text = text;
        ++m_generation;
    }
    m_wake.notify_all();
}

bool VoiceSpeaker::replaced(std::uint64_t generation)
{
    const std::lock_guard lock(m_mutex);
    return m_stopping || m_generation != generation;
}

void VoiceSpeaker::run()
{
    MandarinVoice voice;
    if (!voice.load() || !m_sink->open(voice.sampleRate()))
        return;
    std::uint64_t spoken = 0;
    bool soundQueued = false;
    for (;;) {
        std::string text;
        std::uint64_t generation = 0;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return m_stopping || m_generation != spoken; });
            if (m_stopping)
                break;
            text = std::move(m_text);
            generation = spoken = m_generation;
        }
        // Whatever is still playing of the text before is cut off.
        if (soundQueued)
            m_sink->flush();
        const std::vector<std::int16_t> samples = voice.synthesize(text);
        soundQueued = false;
        for (std::size_t at = 0; at < samples.size() && !replaced(generation); at += kChunkSamples) {
            soundQueued = true;
            if (!m_sink->write(samples.data() + at, std::min(kChunkSamples, samples.size() - at)))
                break;
        }
    }
    m_sink->flush();
}

} // namespace qimbora
