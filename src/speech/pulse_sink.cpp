#include "speech/audio_sink.h"

#include <pulse/simple.h>

namespace qimbora {

// The speaker flushed before: freeing needs no more round trips to the server.
PulseSink::~PulseSink()
{
    if (m_stream)
        pa_simple_free(m_stream);
}

bool PulseSink::open(int sampleRate)
{
    // A stream to a server that went away is dropped for one to the server there now.
    if (m_stream)
        pa_simple_free(m_stream);
    pa_sample_spec samples{};
    samples.format = PA_SAMPLE_S16LE;
    samples.rate = std::uint32_t(sampleRate);
    samples.channels = 1;
    m_stream = pa_simple_new(nullptr, "Qimbora", PA_STREAM_PLAYBACK, nullptr, "praise", &samples, nullptr,
                             nullptr, nullptr);
    return m_stream != nullptr;
}

bool PulseSink::write(const std::int16_t* samples, std::size_t count)
{
    return m_stream && pa_simple_write(m_stream, samples, count * sizeof *samples, nullptr) == 0;
}

void PulseSink::flush()
{
    if (m_stream)
        pa_simple_flush(m_stream, nullptr);
}

} // namespace qimbora
