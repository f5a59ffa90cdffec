#pragma once

#include "common/language.h"
#include "speech/speaker.h"

#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace qimbora {

class AudioSink;

// Speaks with the language's voice on a worker thread of its own, which alone
// touches the sink: the caller's thread only hands over the text, so a sound
// server that hangs never holds it. The newest text wins: it cuts off the one
// being spoken, and texts never queue up. Where the voice data, the sound
// server or the device is missing, or the worker meets an error, it is silent.
class VoiceSpeaker final : public Speaker {
public:
    // `exitWait`: how long the end waits for a worker held by the sound server.
    explicit VoiceSpeaker(std::unique_ptr<AudioSink> sink, Language language = Language::Simplified,
                          std::chrono::milliseconds exitWait = std::chrono::seconds(1));
    // Stops the speech and waits for the worker up to the exit wait; a worker
    // still held by the sound server then is left to end with the process.
    ~VoiceSpeaker() override;
    VoiceSpeaker(const VoiceSpeaker&) = delete;
    VoiceSpeaker& operator=(const VoiceSpeaker&) = delete;

    // Loads the voice and opens the sink on the worker thread. The newest text
    // said before is spoken once the voice is loaded.
    void start();
    void say(const std::string& text) override;

private:
    // What the worker shares with this object; it outlives a worker left behind.
    struct Shared;

    std::shared_ptr<Shared> m_shared;
    std::unique_ptr<AudioSink> m_sink; // the worker's once started
    std::thread m_worker;
    std::chrono::milliseconds m_exitWait;
};

} // namespace qimbora
