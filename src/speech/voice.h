#pragma once

#include "common/language.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qimbora {

// A voice of libespeak-ng, synthesising into memory: Mandarin (cmn-latn-pinyin:
// the plain cmn voice of Debian 12 reads Chinese characters as pinyin letters
// spoken in English) or Cantonese (yue). Both read Simplified and Traditional
// characters. libespeak-ng keeps its state in globals and hangs when loaded
// again after it is ended, so there is one engine in the process: loaded at
// the first call of of(), kept until the process ends, and used from one
// thread at a time.
class Voice {
public:
    // The engine speaking the language's voice; null, silently, when the engine
    // or that voice's data is missing.
    static Voice* of(Language language);

    int sampleRate() const { return m_sampleRate; }

    // 16-bit mono samples of the UTF-8 text (about 3 ms for a praise). Throws
    // std::bad_alloc, out of the engine's callback, when memory runs out.
    std::vector<std::int16_t> synthesize(const std::string& text);

    // The text as the voice's phonemes (tone numbers after each syllable: 55 is
    // the first tone), clauses separated by blanks.
    std::string phonemes(const std::string& text);

private:
    explicit Voice(int sampleRate)
        : m_sampleRate(sampleRate)
    {
    }

    int m_sampleRate;
};

} // namespace qimbora
