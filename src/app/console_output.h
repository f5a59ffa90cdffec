#pragma once

#include <QString>

namespace qimbora {

enum class Stream { Output, Error };

// Writes the text to standard output or standard error as UTF-8; false when
// not all of it got there (errno may say why).
//
// On Windows the toy is a window program, which has no console of its own and
// opens none from the Start menu. Started from a console window, the text goes
// to that console, in UTF-16 so that Chinese shows whatever the console's code
// page; into a file or a pipe it goes as UTF-8, as on Linux. Started from a
// shortcut, output the user asked for (--help, --version) shows in a message
// box, and warnings are dropped, as a Linux menu drops them.
bool writeText(Stream stream, const QString& text);

} // namespace qimbora
