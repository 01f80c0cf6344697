#pragma once
// The language of the program's texts.  Every text is written in Russian and
// goes through Qt's translation system; English comes from the catalogue
// vektum_en.qm, built from translations/vektum_en.ts and compiled into the
// program as the resource :/i18n/vektum_en.qm.
//
// The language is chosen once at start-up: `--lang ru` or `--lang en` on the
// command line, otherwise English when the desktop's first UI language is
// English, Russian for every other language.
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
// source language) and Qt's own texts in it (Qt's Russian catalogue for
// Russian; Qt speaks English by itself), and remembers the choice.  Returns
// false when the program's catalogue could not be loaded; the texts then stay
// Russian.  A missing Qt catalogue is said on standard error and leaves Qt's
// texts English.  Installing again replaces both catalogues.  Start-up calls
// it once, before any window exists (installProgramLanguage); a text is
// translated when it is read, so what is made afterwards speaks the language
// installed last.
bool installLanguage(Language language);

// The language start-up chooses from the arguments and the desktop's UI
// languages.
Language startupLanguage(const QStringList& arguments);
// Installs the language as installLanguage does and says so on standard error
// when the catalogue is missing; returns the language installed.
Language installProgramLanguage(Language language);

// The text in the given language without the application object: for what is
// written before it exists (the command line's help and errors).
QString translateText(Language language, const char* context, const char* source);

// The language installed last; Russian before any installation.
Language currentLanguage();
