#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

QString qtTranslationsFile()
{
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(QStringLiteral("qtbase_ru.qm"));
}

bool installQtTranslations()
{
    auto* app = QCoreApplication::instance();
    if (!app)
        return false;
    const QString file = qtTranslationsFile();
    auto* translator = new QTranslator(app);
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        const QString message =
            QStringLiteral("ВЕКТУМ-W: не найден перевод текстов Qt на русский язык (%1); меню и кнопки Qt "
                           "останутся английскими. Перевод входит в пакет qt6-translations-l10n.\n")
                .arg(QDir::toNativeSeparators(file));
        std::fputs(message.toLocal8Bit().constData(), stderr);
        return false;
    }
    return true;
}
