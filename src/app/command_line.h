#pragma once

#include "common/language.h"

#include <optional>

namespace qimbora {

// What the command line asks of the toy. --help and --version are answered
// before the application exists, so they need no screen.
struct CommandLine {
    bool mute = false;                  // --mute: praise in writing only
    std::optional<double> scanSeconds;  // --scan[=SECONDS]: one switch, a line crossing every SECONDS
    std::optional<double> dwellSeconds; // --dwell[=SECONDS]: plant where the pointer rests SECONDS
    bool answered = false;              // --help or --version was answered; the program ends
    int exitStatus = 0;                 // with this status: 1 when the answer could not be written
};

// A slow sweep for a young child to follow and react to, and the rest that
// eye-gaze software commonly asks.
inline constexpr double kScanSeconds = 6;
inline constexpr double kDwellSeconds = 1.5;

class Translations;

// The language --lang=NAME asks for, else the locale's.
Language chosenLanguage(int argc, char* const argv[]);

// Reads the arguments; prints the help or the version on standard output, and
// on standard error what is wrong with a number of seconds, taking the
// default, or with a language's name.
CommandLine readCommandLine(int argc, char* const argv[], const Translations& texts);

// Names on standard error every argument that is neither ours nor one Qt has
// taken (call after the application is made); the toy goes on.
void reportUnknownArguments(int argc, char* const argv[], const Translations& texts);

} // namespace qimbora
