#include "app/console_output.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace qimbora {

namespace {

bool writeUtf8(std::FILE* file, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file) == std::size_t(bytes.size())
        && std::fflush(file) == 0 && !std::ferror(file);
}

} // namespace

#ifdef Q_OS_WIN
bool writeText(Stream stream, const QString& text)
{
    std::FILE* file = stream == Stream::Output ? stdout : stderr;
    const HANDLE handle = GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
        return writeUtf8(file, text);
    // The console of the window that started the toy, once attached, stays.
    if (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED) {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, 0, nullptr);
        if (console == INVALID_HANDLE_VALUE)
            return false;
        DWORD written = 0;
        const bool whole = WriteConsoleW(console, text.utf16(), DWORD(text.size()), &written, nullptr)
            && written == DWORD(text.size());
        CloseHandle(console);
        return whole;
    }
    if (stream == Stream::Output)
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()), L"Qimbora",
                    MB_OK | MB_ICONINFORMATION);
    return true;
}
#else
bool writeText(Stream stream, const QString& text)
{
    return writeUtf8(stream == Stream::Output ? stdout : stderr, text);
}
#endif

} // namespace qimbora
