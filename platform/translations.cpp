#include "platform/translations.h"

#include <QDir>
#include <QLibraryInfo>

QString qtTranslationsFile()
{
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(QStringLiteral("qtbase_ru.qm"));
}
