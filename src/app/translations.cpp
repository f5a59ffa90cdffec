#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace qimbora {

namespace {

// By the language's value.
struct LanguageNames {
    const char* name; // as --lang names it, and in the translations' file names
    QLocale locale;
};

const LanguageNames& namesOf(Language language)
{
    static const LanguageNames names[]
        = {{"zh_CN", QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China)},
           {"zh_TW", QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan)},
           {"zh_HK", QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::HongKong)}};
    return names[int(language)];
}

} // namespace

std::optional<Language> languageNamed(std::string_view name)
{
    for (const Language language : {Language::Simplified, Language::Taiwan, Language::HongKong}) {
        if (name == namesOf(language).name)
            return language;
    }
    return std::nullopt;
}

Language languageOfLocale(const QLocale& locale)
{
    for (const QString& name : locale.uiLanguages()) {
        const QLocale chosen(name);
        if (chosen.language() != QLocale::Chinese)
            continue;
        if (chosen.territory() == QLocale::HongKong || chosen.territory() == QLocale::Macau)
            return Language::HongKong;
        if (chosen.territory() == QLocale::Taiwan || chosen.script() == QLocale::TraditionalChineseScript)
            return Language::Taiwan;
        return Language::Simplified;
    }
    return Language::Simplified;
}

Translations::Translations(Language language)
    : m_language(language)
{
    const QString name = QString::fromLatin1(namesOf(language).name);
    // Qt has no Hong Kong translation of its own; Taiwan's is the nearest.
    const QString qtName = language == Language::HongKong ? QStringLiteral("zh_TW") : name;
    if (language != Language::Simplified)
        (void)m_own.load(QStringLiteral(":/i18n/qimbora_") + name);
#ifdef Q_OS_WIN
    // Built in: the program brings its own translations of the Qt texts it shows.
    const QString qtFolder = QStringLiteral(":/i18n");
#else
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    (void)m_qt.load(QStringLiteral("qtbase_") + qtName, qtFolder);
}

QString Translations::translate(const char* context, const char* source) const
{
    const QString translated = m_own.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

bool Translations::install()
{
    QLocale::setDefault(namesOf(m_language).locale);
    if (!m_own.isEmpty())
        QCoreApplication::installTranslator(&m_own);
    return !m_qt.isEmpty() && QCoreApplication::installTranslator(&m_qt);
}

} // namespace qimbora
