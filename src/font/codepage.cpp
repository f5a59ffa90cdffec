#include "font/codepage.h"

#include "font/font_service.h"

#include <cerrno>
#include <memory>

#include <iconv.h>

namespace qimbora {

namespace {

bool isLeadByte(std::uint8_t charset, unsigned char byte)
{
    switch (charset) {
    case kShiftJisCharset: // keeps single-byte katakana between its lead-byte ranges
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case kHangulCharset:
    case kGb2312Charset:
    case kBig5Charset:
        return byte >= 0x81 && byte <= 0xFE;
    default:
        return false;
    }
}

struct IconvCloser {
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// Converts, putting '?' in place of every sequence that cannot be converted.
std::string convert(std::string_view text, const char* to, const char* from)
{
    const Converter cd(iconv_open(to, from));
    if (cd.get() == reinterpret_cast<iconv_t>(-1))
        return std::string(text);
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, std::size_t(outPtr - buffer));
        if (result != std::size_t(-1) || errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: skip one UTF-8 character (or byte) and mark it.
        std::size_t skip = 1;
        if (std::string_view(from) == "UTF-8") {
            while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80)
                ++skip;
        }
        in += skip;
        inLeft -= skip;
        out += '?';
    }
    return out;
}

} // namespace

const char* codePageOf(std::uint8_t charset)
{
    switch (charset) {
    case kShiftJisCharset:
        return "CP932";
    case kHangulCharset:
        return "CP949";
    case kGb2312Charset:
        return "GBK";
    case kBig5Charset:
        return "BIG5";
    case kOemCharset:
        return "IBM437";
    default:
        return "CP1252";
    }
}

std::string toCodePage(std::string_view utf8, std::uint8_t charset)
{
    return convert(utf8, codePageOf(charset), "UTF-8");
}

std::string fromCodePage(std::string_view narrow, std::uint8_t charset)
{
    return convert(narrow, "UTF-8", codePageOf(charset));
}

std::string_view cutWhole(std::string_view narrow, std::uint8_t charset, std::size_t maxBytes)
{
    std::size_t end = 0;
    while (end < narrow.size()) {
        const std::size_t width = isLeadByte(charset, static_cast<unsigned char>(narrow[end])) ? 2 : 1;
        if (end + width > maxBytes || end + width > narrow.size())
            break;
        end += width;
    }
    return narrow.substr(0, end);
}

} // namespace qimbora
