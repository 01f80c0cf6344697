#pragma once
// Qt's own texts (the edit boxes' context menus, the standard buttons and
// dialogs) in Russian, from the translations Qt reports as installed.
#include <QString>

// Loads Qt's Russian translations into the running application.  Returns true
// when they were found and installed; otherwise writes a line saying which
// file was missing to standard error, and the program goes on with Qt's
// English texts.
bool installQtTranslations();

// The file that holds Qt's Russian texts: qtbase_ru.qm in Qt's translations
// folder.
QString qtTranslationsFile();
