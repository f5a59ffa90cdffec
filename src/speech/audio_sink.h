#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <vector>

struct pa_simple;

namespace qimbora {

// Where the voice's samples go: 16-bit mono at the voice's rate.
class AudioSink {
public:
    virtual ~AudioSink() = default;
    // False when there is no sound server or no device: that praise is silent,
    // and the next one tries again. Opening again drops the stream opened before.
    virtual bool open(int sampleRate) = 0;
    // Queues samples for playing; may wait while the queue is full.
    virtual bool write(const std::int16_t* samples, std::size_t count) = 0;
    // Drops what is queued and not yet played.
    virtual void flush() = 0;
};

// The PulseAudio simple API, which PipeWire desktops serve too.
class PulseSink final : public AudioSink {
public:
    PulseSink() = default;
    ~PulseSink() override;
    PulseSink(const PulseSink&) = delete;
    PulseSink& operator=(const PulseSink&) = delete;

    bool open(int sampleRate) override;
    bool write(const std::int16_t* samples, std::size_t count) override;
    void flush() override;

private:
    pa_simple* m_stream = nullptr;
};

// Windows' own wave output, which every Windows since 95 has.
class WaveOutSink final : public AudioSink {
public:
    WaveOutSink();
    ~WaveOutSink() override;
    WaveOutSink(const WaveOutSink&) = delete;
    WaveOutSink& operator=(const WaveOutSink&) = delete;

    bool open(int sampleRate) override;
    bool write(const std::int16_t* samples, std::size_t count) override;
    void flush() override;

private:
    struct Device;
    struct Buffer;
    void close();
    void releasePlayed();

    std::unique_ptr<Device> m_device;
    std::list<Buffer> m_queued;
};

#ifdef _WIN32
using PlatformSink = WaveOutSink;
#else
using PlatformSink = PulseSink;
#endif

} // namespace qimbora
