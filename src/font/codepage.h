#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qimbora {

// The narrow code page that goes with a font character set: GBK for 134
// (GB2312), Big5 for 136, Shift-JIS for 128, Unified Hangul for 129, the OEM
// code page 437 for 255 and Windows-1252 for everything else.
const char* codePageOf(std::uint8_t charset);

// UTF-8 text in that code page; a character it cannot hold becomes '?'.
// Where the system has no converter for the code page (glibc has them all),
// the text comes back unchanged.
std::string toCodePage(std::string_view utf8, std::uint8_t charset);

// Back from the code page to UTF-8; a byte sequence it cannot read becomes '?'.
// Unchanged where the system has no converter, as above.
std::string fromCodePage(std::string_view narrow, std::uint8_t charset);

// The longest prefix of code-page text with at most maxBytes bytes that does
// not cut a double-byte character in two.
std::string_view cutWhole(std::string_view narrow, std::uint8_t charset, std::size_t maxBytes);

} // namespace qimbora
