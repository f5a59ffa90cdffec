#include "speech/voice.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <optional>
#include <string>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace qimbora {

namespace {

struct Synthesis {
    std::vector<std::int16_t> samples;
    bool outOfMemory = false;
};

// Gathers the samples of the synthesis under way (its user data). No exception
// may unwind through the engine's C frames: running out of memory stops the
// synthesis instead, and synthesize() throws once the engine has returned.
int collect(short* wave, int count, espeak_EVENT* events)
{
    auto* synthesis = static_cast<Synthesis*>(events->user_data);
    try {
        if (wave && count > 0)
            synthesis->samples.insert(synthesis->samples.end(), wave, wave + count);
    } catch (const std::bad_alloc&) {
        synthesis->outOfMemory = true;
        return 1;
    }
    return 0;
}

#ifdef _WIN32
// The voice data is installed beside the program. The engine opens files by
// narrow names, in the system's code page; the short form of the folder's name
// reaches a folder whose long name that code page cannot spell.
std::string dataFolder()
{
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return {};
    std::wstring folder(program, length);
    folder.erase(folder.find_last_of(L"\\/"));
    wchar_t shortName[MAX_PATH];
    const DWORD shortLength = GetShortPathNameW(folder.c_str(), shortName, MAX_PATH);
    if (shortLength > 0 && shortLength < MAX_PATH)
        folder.assign(shortName, shortLength);
    const int units = int(folder.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, folder.c_str(), units, nullptr, 0, nullptr, nullptr);
    std::string narrow(std::size_t(std::max(bytes, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, folder.c_str(), units, narrow.data(), bytes, nullptr, nullptr);
    return narrow;
}
#endif

// The engine's sample rate once loaded; 0 when it could not be.
int loadEngine()
{
#ifdef _WIN32
    // ESPEAK_DATA_PATH still wins, as on Linux, when it names a folder with voice data.
    const std::string folder = dataFolder();
    espeak_ng_InitializePath(std::getenv("ESPEAK_DATA_PATH") || folder.empty() ? nullptr : folder.c_str());
#else
    espeak_ng_InitializePath(nullptr);
#endif
    // The error context is dropped unprinted: a toy without voice data is silent, not noisy.
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK || espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
        return 0;
    espeak_SetSynthCallback(collect);
    return espeak_ng_GetSampleRate();
}

const char* voiceName(Language language)
{
    return language == Language::HongKong ? "yue" : "cmn-latn-pinyin";
}

} // namespace

Voice* Voice::of(Language language)
{
    // Never destroyed: a speaker's thread left behind at exit may still use it.
    static Voice* const voice = [] {
        const int sampleRate = loadEngine();
        return sampleRate > 0 ? new Voice(sampleRate) : nullptr;
    }();
    static std::optional<Language> speaking;
    if (!voice)
        return nullptr;
    if (speaking != language)
        speaking = espeak_ng_SetVoiceByName(voiceName(language)) == ENS_OK ? std::optional(language)
                                                                           : std::nullopt;
    return speaking ? voice : nullptr;
}

std::vector<std::int16_t> Voice::synthesize(const std::string& text)
{
    Synthesis synthesis;
    espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                         &synthesis);
    if (synthesis.outOfMemory)
        throw std::bad_alloc();
    return std::move(synthesis.samples);
}

std::string Voice::phonemes(const std::string& text)
{
    std::string out;
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
