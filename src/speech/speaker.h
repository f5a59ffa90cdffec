#pragma once

#include <string>

namespace qimbora {

// Says a text aloud. say() only hands the text over: it never waits for the
// speech, and a new text cuts off the one being said.
class Speaker {
public:
    virtual ~Speaker() = default;
    virtual void say(const std::string& text) = 0;
};

// The speaker of a muted toy.
class Silence final : public Speaker {
public:
    void say(const std::string&) override {}
};

} // namespace qimbora
