#include "platform/language.h"

#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {
Language& installed()
{
    static Language language = Language::Russian;
    return language;
}

std::unique_ptr<QTranslator>& catalogue()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// Qt's own texts in Russian, while Russian is installed.
std::unique_ptr<QTranslator>& qtCatalogue()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void removeCatalogue(std::unique_ptr<QTranslator>& translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

void installQtRussian()
{
    if (!QCoreApplication::instance())
        return;
    auto translator = std::make_unique<QTranslator>();
    const QString file = qtTranslationsFile();
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator.get())) {
        const QString message =
            QStringLiteral("ВЕКТУМ-W: не найден перевод текстов Qt на русский язык (%1); меню и кнопки Qt "
                           "останутся английскими. Перевод входит в пакет qt6-translations-l10n.\n")
                .arg(QDir::toNativeSeparators(file));
        std::fputs(message.toLocal8Bit().constData(), stderr);
        return;
    }
    qtCatalogue() = std::move(translator);
}
} // namespace

bool parseLanguage(const QString& value, Language& language)
{
    const QString v = value.trimmed().toLower();
    if (v == QLatin1String("ru"))
        language = Language::Russian;
    else if (v == QLatin1String("en"))
        language = Language::English;
    else
        return false;
    return true;
}

Language chooseLanguage(const QStringList& uiLanguages, const QString& requested)
{
    Language language = Language::Russian;
    if (parseLanguage(requested, language))
        return language;
    if (uiLanguages.isEmpty())
        return Language::Russian;
    const QString first = uiLanguages.first().toLower();
    if (first == QLatin1String("en") || first.startsWith(QLatin1String("en-"))
        || first.startsWith(QLatin1String("en_")))
        return Language::English;
    return Language::Russian;
}

QString languageArgument(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--"))
            break;
        for (const QLatin1String prefix : {QLatin1String("--lang="), QLatin1String("-lang=")})
            if (a.startsWith(prefix))
                return a.mid(prefix.size());
        if ((a == QLatin1String("--lang") || a == QLatin1String("-lang")) && i + 1 < arguments.size())
            return arguments[i + 1];
    }
    return {};
}

QString translateText(Language language, const char* context, const char* source)
{
    if (language == Language::English) {
        static QTranslator english;
        static const bool loaded = english.load(QStringLiteral(":/i18n/vektum_en.qm"));
        const QString text = loaded ? english.translate(context, source) : QString();
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

bool installLanguage(Language language)
{
    removeCatalogue(catalogue());
    removeCatalogue(qtCatalogue());
    installed() = Language::Russian;
    if (language == Language::Russian) {
        installQtRussian();
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/vektum_en.qm")))
        return false;
    QCoreApplication::installTranslator(translator.get());
    catalogue() = std::move(translator);
    installed() = language;
    return true;
}

Language startupLanguage(const QStringList& arguments)
{
    return chooseLanguage(QLocale::system().uiLanguages(), languageArgument(arguments));
}

Language installProgramLanguage(Language language)
{
    if (!installLanguage(language))
        qWarning("vektum: the English catalogue :/i18n/vektum_en.qm is missing; the texts stay Russian");
    return currentLanguage();
}

Language currentLanguage()
{
    return installed();
}
