#include "speech/audio_sink.h"

#include <windows.h> // with the wave output's mmsystem.h

namespace qimbora {

namespace {

// About a second of speech may wait to be played; a write beyond it waits.
constexpr std::size_t kQueuedBuffers = 8;

} // namespace

struct WaveOutSink::Device {
    HWAVEOUT handle = nullptr;
    // Set by the device each time it finishes a buffer.
    HANDLE bufferDone = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    ~Device() { CloseHandle(bufferDone); }
};

// The device plays from the samples in place, so each stays until it has played.
struct WaveOutSink::Buffer {
    std::vector<std::int16_t> samples;
    WAVEHDR header{};
};

WaveOutSink::WaveOutSink()
    : m_device(std::make_unique<Device>())
{
}

WaveOutSink::~WaveOutSink() { close(); }

bool WaveOutSink::open(int sampleRate)
{
    close();
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = DWORD(sampleRate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    if (waveOutOpen(&m_device->handle, WAVE_MAPPER, &format, DWORD_PTR(m_device->bufferDone), 0,
                    CALLBACK_EVENT)
        != MMSYSERR_NOERROR) {
        m_device->handle = nullptr;
        return false;
    }
    return true;
}

bool WaveOutSink::write(const std::int16_t* samples, std::size_t count)
{
    if (!m_device->handle)
        return false;
    releasePlayed();
    while (m_queued.size() >= kQueuedBuffers) {
        WaitForSingleObject(m_device->bufferDone, INFINITE);
        releasePlayed();
    }
    Buffer& buffer = m_queued.emplace_back();
    buffer.samples.assign(samples, samples + count);
    buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.samples.data());
    buffer.header.dwBufferLength = DWORD(count * sizeof *samples);
    if (waveOutPrepareHeader(m_device->handle, &buffer.header, sizeof buffer.header) != MMSYSERR_NOERROR) {
        m_queued.pop_back();
        return false;
    }
    if (waveOutWrite(m_device->handle, &buffer.header, sizeof buffer.header) != MMSYSERR_NOERROR) {
        waveOutUnprepareHeader(m_device->handle, &buffer.header, sizeof buffer.header);
        m_queued.pop_back();
        return false;
    }
    return true;
}

void WaveOutSink::flush()
{
    if (!m_device->handle)
        return;
    // Reset hands every queued buffer back as done.
    waveOutReset(m_device->handle);
    releasePlayed();
}

void WaveOutSink::releasePlayed()
{
    while (!m_queued.empty() && (m_queued.front().header.dwFlags & WHDR_DONE)) {
        waveOutUnprepareHeader(m_device->handle, &m_queued.front().header, sizeof(WAVEHDR));
        m_queued.pop_front();
    }
}

void WaveOutSink::close()
{
    if (!m_device->handle)
        return;
    flush();
    waveOutClose(m_device->handle);
    m_device->handle = nullptr;
}

} // namespace qimbora
