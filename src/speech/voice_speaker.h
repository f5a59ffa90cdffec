#pragma once

#include "speech/speaker.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace qimbora {

class AudioSink;

// Speaks with the Mandarin voice on a worker thread of its own: the caller's
// thread only hands over the text. The newest text wins: it cuts off the one
// being spoken, and texts never queue up. Where the voice data, the sound
// server or the device is missing, it is silent. Destroying it stops the
// speech at once and ends the thread.
class VoiceSpeaker final : public Speaker {
public:
    explicit VoiceSpeaker(std::unique_ptr<AudioSink> sink);
    ~VoiceSpeaker() override;
    VoiceSpeaker(const VoiceSpeaker&) = delete;
    VoiceSpeaker& operator=(const VoiceSpeaker&) = delete;

    // Loads the voice and opens the sound on the worker thread. Texts said
    // before are kept for it.
    void start();
    void say(const std::string& text) override;

private:
    void run();
    bool replaced(std::uint64_t generation);

    std::unique_ptr<AudioSink> m_sink;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::string m_text;             // the newest text not yet taken
    std::uint64_t m_generation = 0; // counts the texts handed over
    bool m_stopping = false;
    std::thread m_worker;
};

} // namespace qimbora
