#pragma once

namespace qimbora {

class Translations;

// Keeps the toolkit from starting a session bus of its own when there is
// none: the bus it would start through dbus-launch outlives the toy.
void useOnlyARunningSessionBus();

// Holds the toolkit's messages while the application is made. Should the
// toolkit give up there (no screen to reach, no such platform), the user reads
// in the toy's language that no screen could be reached, then the toolkit's own words,
// and the program ends with status 1 rather than aborting.
class StartupMessages {
public:
    explicit StartupMessages(const Translations& texts);
    // Passes the messages held on, as the toolkit would have printed them.
    ~StartupMessages();
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;
};

} // namespace qimbora
