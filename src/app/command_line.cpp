#include "app/command_line.h"

#include "app/console_output.h"
#include "app/translations.h"
#include "common/convert.h"

#include <cerrno>
#include <cstring>
#include <string_view>

namespace qimbora {

namespace {

constexpr std::string_view kMute = "--mute";
constexpr std::string_view kHelp = "--help";
constexpr std::string_view kVersion = "--version";
constexpr std::string_view kScan = "--scan";
constexpr std::string_view kDwell = "--dwell";
constexpr std::string_view kLang = "--lang";
constexpr double kFewestSeconds = 0.5;
constexpr double kMostSeconds = 60;

// Whether the argument is `option` or `option=...`.
bool names(std::string_view argument, std::string_view option)
{
    return argument == option || (argument.starts_with(option) && argument.substr(option.size(), 1) == "=");
}

// The language of a --lang=NAME argument; none for a bare --lang or a name not known.
std::optional<Language> languageOf(std::string_view argument)
{
    return argument.size() > kLang.size() ? languageNamed(argument.substr(kLang.size() + 1)) : std::nullopt;
}

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

void tell(const QString& text) { (void)writeText(Stream::Error, text); }

// `option` alone gives the default; `option=SECONDS` a number of seconds
// within reason, else the default and a word on what to write.
double secondsOf(std::string_view argument, std::string_view option, double byDefault,
                 const Translations& texts)
{
    if (argument == option)
        return byDefault;
    const std::string_view text = argument.substr(option.size() + 1);
    try {
        const double seconds = textToDouble(text);
        if (seconds >= kFewestSeconds && seconds <= kMostSeconds)
            return seconds;
    } catch (const RuntimeError&) {
    }
    tell(texts
             .translate("CommandLine",
                        "qimbora：%1= 后面要写 0.5 到 60 之间的秒数，比如 %1=%2。这次用 %2 秒。\n")
             .arg(fromView(option), QString::number(byDefault)));
    return byDefault;
}

bool isOurs(std::string_view argument)
{
    return argument == kMute || names(argument, kScan) || names(argument, kDwell) || names(argument, kLang);
}

// Prints an answer; the status says whether it reached standard output whole.
int answer(const QString& text, const Translations& texts)
{
    errno = 0;
    if (writeText(Stream::Output, text))
        return 0;
    const int error = errno ? errno : EIO;
    tell(texts.translate("CommandLine", "qimbora：回答没能写出去（%1）。\n")
             .arg(QString::fromLocal8Bit(std::strerror(error))));
    return 1;
}

QString helpText(const Translations& texts)
{
    return texts.translate("CommandLine",
                           "用法：qimbora [选项]\n"
                           "按一下画布画一朵花，数一数画了几朵。没有鼠标也能画：\n"
                           "点一下画布（或按 Tab 键走到画布），用方向键移动十字，按空格键画花。\n\n"
                           "  --mute          不出声，只用文字表扬\n"
                           "  --scan[=秒]     用一个开关画花：竖线慢慢扫过画布，按一下停住，\n"
                           "                  横线再扫，按第二下就在交叉处画花（默认 6 秒扫一遍）。\n"
                           "                  空格键、回车键和鼠标键都是开关；大人按 Esc 暂停或继续\n"
                           "  --dwell[=秒]    指针在画布上停住不动就画花（默认 1.5 秒）\n"
                           "  --lang=语言     zh_CN：简体字，说普通话；zh_TW：繁体字，说普通话；\n"
                           "                  zh_HK：繁体字，说粤语（默认跟着桌面的语言）\n"
                           "  --help          显示这段说明\n"
                           "  --version       显示版本\n");
}

QString versionText(const Translations& texts)
{
    return QStringLiteral("Qimbora " QIMBORA_VERSION "\n")
        + texts.translate("CommandLine",
                          "许可证：GPL-3.0-or-later（GNU 通用公共许可证第 3 版，或任何更新的版本）。\n"
                          "这是自由软件：可以自由地修改和再分发。在法律允许的范围内，不提供任何担保。\n");
}

} // namespace

Language chosenLanguage(int argc, char* const argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const std::optional<Language> named = names(argument, kLang) ? languageOf(argument) : std::nullopt;
        if (named)
            return *named;
    }
    return languageOfLocale();
}

CommandLine readCommandLine(int argc, char* const argv[], const Translations& texts)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == kMute) {
            line.mute = true;
        } else if (names(argument, kScan)) {
            line.scanSeconds = secondsOf(argument, kScan, kScanSeconds, texts);
        } else if (names(argument, kDwell)) {
            line.dwellSeconds = secondsOf(argument, kDwell, kDwellSeconds, texts);
        } else if (names(argument, kLang)) {
            if (!languageOf(argument))
                tell(texts.translate(
                    "CommandLine",
                    "qimbora：--lang= 后面要写 zh_CN、zh_TW 或 zh_HK。这次跟着桌面的语言。\n"));
        } else if (argument == kHelp || argument == kVersion) {
            line.exitStatus = answer(argument == kHelp ? helpText(texts) : versionText(texts), texts);
            line.answered = true;
            return line;
        }
    }
    return line;
}

void reportUnknownArguments(int argc, char* const argv[], const Translations& texts)
{
    for (int i = 1; i < argc; ++i) {
        if (!isOurs(argv[i]))
            tell(texts
                     .translate("CommandLine",
                                "qimbora：不认识的选项“%1”，已略过。用 qimbora --help 看看有哪些选项。\n")
                     .arg(QString::fromLocal8Bit(argv[i])));
    }
}

} // namespace qimbora
