#pragma once

namespace qimbora {

// The toy's language: the texts' characters and the voice that praises.
enum class Language {
    Simplified, // the Mainland's characters and Mandarin: the source texts, and the default
    Taiwan,     // Traditional characters and Mandarin
    HongKong,   // Traditional characters as Hong Kong and Macau write them, and Cantonese
};

} // namespace qimbora
