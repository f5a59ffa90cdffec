#include "app/command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace qimbora {

namespace {

constexpr std::string_view kMute = "--mute";
constexpr std::string_view kHelp = "--help";
constexpr std::string_view kVersion = "--version";

// Prints an answer; the status says whether it reached standard output whole.
int answer(const char* text)
{
    errno = 0;
    std::fputs(text, stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "qimbora：回答没能写出去（%s）。\n", std::strerror(errno ? errno : EIO));
    return 1;
}

} // namespace

CommandLine readCommandLine(int argc, char* const argv[])
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == kMute) {
            line.mute = true;
        } else if (argument == kHelp) {
            line.exitStatus = answer("用法：qimbora [选项]\n"
                                     "按一下画布画一朵花，数一数画了几朵。\n\n"
                                     "  --mute     不出声，只用文字表扬\n"
                                     "  --help     显示这段说明\n"
                                     "  --version  显示版本\n");
            line.answered = true;
            return line;
        } else if (argument == kVersion) {
            line.exitStatus
                = answer("Qimbora " QIMBORA_VERSION "\n"
                         "许可证：GPL-3.0-or-later（GNU 通用公共许可证第 3 版，或任何更新的版本）。\n"
                         "这是自由软件：可以自由地修改和再分发。在法律允许的范围内，不提供任何担保。\n");
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
