#pragma once
// The language of the program's texts.  Every text is written in Russian and
// goes through Qt's translation system; English comes from the catalogue
// vektum_en.qm, built from translations/vektum_en.ts and compiled into the
// program as the resource :/i18n/vektum_en.qm.
//
// The language is chosen once at start-up: `--lang ru` or `--lang en` on the
// command line, otherwise English when the desktop's first UI language is
// English, Russian for every other language.
#include <QCoreApplication>
#include <QString>
#include <QStringList>

enum class Language { Russian, English };

// The option's value, "ru" or "en"; an empty value means no choice.
// Returns false, leaving `language` alone, for any other value.
bool parseLanguage(const QString& value, Language& language);

// The language for the given UI languages (most preferred first, as
// QLocale::uiLanguages gives them) and the value of `--lang` (empty when the
// option was not given, which also is the case for an unknown value).
Language chooseLanguage(const QStringList& uiLanguages, const QString& requested = {});

// The value of `--lang` in the arguments: `--lang en`, `--lang=en`, `-lang en`.
// Empty when the option is missing.
QString languageArgument(const QStringList& arguments);

// Installs the program's catalogue for the language (none for Russian, the
// source language) and remembers the choice.  Returns false when the
// catalogue could not be loaded; the texts then stay Russian.  Installing
// again replaces the previous catalogue.
bool installLanguage(Language language);

// Chooses the language from the arguments and the desktop's UI languages and
// installs it; says so on standard error when the catalogue is missing.
Language installStartupLanguage(const QStringList& arguments);

// The text in the given language without the application object: for what is
// written before it exists (the command line's help and errors).
QString translateText(Language language, const char* context, const char* source);

// The language installed last; Russian before any installation.
Language currentLanguage();

// A text kept in a namespace-scope constant: marked for translation where it
// is defined and translated each time it is read, so it follows the catalogue
// installed at start-up, after the constant was made.  Define it as
//   inline const TranslatedText kName{"Context", QT_TRANSLATE_NOOP("Context", "текст")};
class TranslatedText {
public:
    constexpr TranslatedText(const char* context, const char* source)
        : m_context(context), m_source(source)
    {
    }
    QString text() const { return QCoreApplication::translate(m_context, m_source); }
    operator QString() const { return text(); }
    template <class... Args>
    QString arg(Args&&... args) const
    {
        return text().arg(std::forward<Args>(args)...);
    }
    const char* source() const { return m_source; }

private:
    const char* m_context;
    const char* m_source;
};

// The text of a message box or of a message of the formula engine or of the
// equation control's evaluator, in the installed language.  The engines stay
// free of Qt and speak Russian; every message they can give is listed once,
// with its variable parts as %1, and translated here.  A text not in the list
// (already translated, or a value) comes back unchanged.
QString translateMessage(const QString& text);

// The Russian texts translateMessage knows, with their variable parts as %1.
QStringList translatedMessageSources();
