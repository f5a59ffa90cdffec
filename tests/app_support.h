#pragma once

// Fakes of the window's platform services.
#include "app/aid_clock.h"
#include "app/error_report.h"
#include "app/form1.h"
#include "export/save_dialog.h"
#include "font/qt_font_service.h"
#include "paint/random.h"
#include "speech/speaker.h"

#include <QStringList>

#include <stdexcept>
#include <string>
#include <vector>

namespace qimbora::testing {

// Records what would have been said.
class RecordingSpeaker final : public Speaker {
public:
    void say(const std::string& text) override { said.push_back(text); }
    std::vector<std::string> said;
};

class RecordingReport final : public ErrorReport {
public:
    void report(QWidget*, const QString& message) override { messages << message; }
    QStringList messages;
};

// Answers every showing with the path in answer ("" is a cancel; "<throw>"
// throws an exception of no known kind) and records the filters it was given.
class ScriptedDialog final : public SaveDialog {
public:
    void setFilter(const std::string& filter) override { filters.push_back(filter); }
    void ShowSave() override
    {
        if (answer == "<throw>")
            throw std::logic_error("the dialog broke");
    }
    std::string fileName() const override { return answer; }

    std::string answer;
    std::vector<std::string> filters;
};

// A clock that moves when the test moves it.
class TestClock final : public AidClock {
public:
    std::int64_t nowMs() const override { return now; }
    std::int64_t now = 0;
};

// The window with its services, the save dialog and the voice of the test's choosing.
template <typename Dialog, typename Voice>
struct Window {
    explicit Window(Language chosen = Language::Simplified)
        : language(chosen)
    {
    }
    Language language;
    Pcg32 random;
    RecordingReport report;
    QtFontService fonts;
    Dialog dialog;
    Voice speaker;
    Form1 form{{random, report, fonts, dialog, speaker, language}};
};

} // namespace qimbora::testing
