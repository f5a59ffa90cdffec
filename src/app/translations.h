#pragma once

#include "common/language.h"

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <optional>
#include <string_view>

namespace qimbora {

// The language a --lang name asks for: zh_CN, zh_TW or zh_HK; none for any other.
std::optional<Language> languageNamed(std::string_view name);

// The language the desktop's locale asks for, read as Qt reads it for its own
// texts: the first Chinese among the user's languages decides. Hong Kong and
// Macau write Traditional characters and speak Cantonese; Taiwan, and
// Traditional characters anywhere else, Mandarin. Every other locale gets the
// Simplified texts, the default.
Language languageOfLocale(const QLocale& locale = QLocale::system());

// The toy's texts and Qt's own (dialog buttons, questions) in one language.
// The Simplified texts are the source texts, so they need no translation.
// Made before the application, for the command line's answers.
class Translations {
public:
    explicit Translations(Language language);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    Language language() const { return m_language; }

    // The source text in the language, with or without an application.
    QString translate(const char* context, const char* source) const;

    // Hands both to the running application and sets its locale. False when
    // Qt's own translations are not installed.
    bool install();

private:
    Language m_language;
    QTranslator m_own;
    QTranslator m_qt;
};

} // namespace qimbora
