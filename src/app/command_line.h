#pragma once

namespace qimbora {

// What the command line asks of the toy. --help and --version are answered
// before the application exists, so they need no screen.
struct CommandLine {
    bool mute = false;     // --mute: praise in writing only
    bool answered = false; // --help or --version was answered; the program ends
    int exitStatus = 0;    // with this status: 1 when the answer could not be written
};

// Reads the arguments; prints the help or the version on standard output.
CommandLine readCommandLine(int argc, char* const argv[]);

// Names on standard error, in Chinese, every argument that is neither ours nor
// one Qt has taken (call after the application is made); the toy goes on.
void reportUnknownArguments(int argc, char* const argv[]);

} // namespace qimbora
