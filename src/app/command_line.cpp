#include "app/command_line.h"

#include <cstdio>
#include <string_view>

namespace qimbora {

namespace {

constexpr std::string_view kMute = "--mute";
constexpr std::string_view kHelp = "--help";
constexpr std::string_view kVersion = "--version";

} // namespace

CommandLine readCommandLine(int argc, char* const argv[])
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == kMute) {
            line.mute = true;
        } else if (argument == kHelp) {
            std::fputs("用法：qimbora [选项]\n"
                       "按一下画布画一朵花，数一数画了几朵。\n\n"
                       "  --mute     不出声，只用文字表扬\n"
                       "  --help     显示这段说明\n"
                       "  --version  显示版本\n",
                       stdout);
            line.answered = true;
            return line;
        } else if (argument == kVersion) {
            std::fputs("Qimbora " QIMBORA_VERSION "\n", stdout);
            line.answered = true;
            return line;
        }
    }
    return line;
}

void reportUnknownArguments(int argc, char* const argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i] != kMute)
            std::fprintf(stderr, "qimbora：不认识的选项“%s”，已略过。用 qimbora --help 看看有哪些选项。\n",
                         argv[i]);
    }
}

} // namespace qimbora
