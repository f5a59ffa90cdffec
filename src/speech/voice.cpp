#include "speech/voice.h"

#include <cstring>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

namespace qimbora {

namespace {

// Gathers the samples of the synthesis under way (its user data). Never asks
// the engine to stop early: an aborted synthesis leaves it unable to terminate,
// and a praise takes milliseconds anyway.
int collect(short* wave, int count, espeak_EVENT* events)
{
    auto* samples = static_cast<std::vector<std::int16_t>*>(events->user_data);
    if (wave && count > 0)
        samples->insert(samples->end(), wave, wave + count);
    return 0;
}

// The engine's sample rate once loaded; 0 when it could not be.
int loadEngine()
{
    espeak_ng_InitializePath(nullptr);
    // The error context is dropped unprinted: a toy without voice data is silent, not noisy.
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK || espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK
        || espeak_ng_SetVoiceByName("cmn-latn-pinyin") != ENS_OK)
        return 0;
    espeak_SetSynthCallback(collect);
    return espeak_ng_GetSampleRate();
}

} // namespace

bool MandarinVoice::load()
{
    // libespeak-ng hangs when loaded again after espeak_ng_Terminate, so it is
    // loaded once and stays until the process ends.
    static const int sampleRate = loadEngine();
    m_sampleRate = sampleRate;
    return m_sampleRate > 0;
}

std::vector<std::int16_t> MandarinVoice::synthesize(const std::string& text)
{
    std::vector<std::int16_t> samples;
    if (m_sampleRate == 0)
        return samples;
    espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                         &samples);
    return samples;
}

std::string MandarinVoice::phonemes(const std::string& text)
{
    std::string out;
    if (m_sampleRate == 0)
        return out;
    const void* next = text.c_str();
    while (next) {
        const char* clause = espeak_TextToPhonemes(&next, espeakCHARS_UTF8, 0);
        if (!out.empty())
            out += ' ';
        out += clause ? clause : "";
    }
    return out;
}

} // namespace qimbora
