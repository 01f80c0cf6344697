#pragma once
// Qt's own texts (the edit boxes' context menus, the standard buttons and
// dialogs) in Russian come from the translations Qt reports as installed;
// installLanguage (platform/language.h) loads them.
#include <QString>

// The file that holds Qt's Russian texts: qtbase_ru.qm in Qt's translations
// folder.
QString qtTranslationsFile();
