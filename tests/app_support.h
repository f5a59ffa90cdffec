#pragma once

// Fakes of the window's platform services.
#include "app/error_report.h"
#include "export/save_dialog.h"
#include "speech/speaker.h"

#include <QCryptographicHash>
#include <QImage>
#include <QStringList>

#include <stdexcept>
#include <string>
#include <vector>

namespace qimbora::testing {

// The first 16 hex digits of the SHA-1 of the image's pixels.
inline QString canvasHash(const QImage& image)
{
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16));
}

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

} // namespace qimbora::testing
