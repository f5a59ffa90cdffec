#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qimbora {

// The Mandarin voice of libespeak-ng (cmn-latn-pinyin: the plain cmn voice of
// Debian 12 reads Chinese characters as pinyin letters spoken in English),
// synthesising into memory. The engine is one per process and not
// thread-safe: use it from one thread at a time.
class MandarinVoice {
public:
    // Loads the engine and the voice; false, silently, when the voice data is missing.
    bool load();
    int sampleRate() const { return m_sampleRate; }

    // 16-bit mono samples of the UTF-8 text (about 3 ms for a praise).
    std::vector<std::int16_t> synthesize(const std::string& text);

    // The text as the voice's phonemes (tone numbers after each syllable: 55 is
    // the first tone), clauses separated by blanks.
    std::string phonemes(const std::string& text);

private:
    int m_sampleRate = 0;
};

} // namespace qimbora
