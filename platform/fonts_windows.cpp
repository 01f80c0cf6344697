#include "platform/systemfonts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

// Only the platforms that carry their own font engine (offscreen, minimal) or
// a native one asked for FreeType (fontengine=freetype) draw through it; the
// native platform draws through the system.
bool rendersThroughFreeType()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return true;
    const QStringList arguments = QCoreApplication::arguments();
    for (const QString& argument : arguments)
        if (argument.contains(QLatin1String("fontengine=freetype")))
            return true;
    return qEnvironmentVariable("QT_QPA_PLATFORM").contains(QLatin1String("fontengine=freetype"));
}

// Windows has Arial and a sans-serif face of its own.  Where Arial is missing
// (Wine, a stripped system) the faces shipped beside the program in fonts/
// stand in for it: Liberation Sans has Arial's metrics, DejaVu Sans the
// letters it may lack; whatever the system would substitute instead sets
// other widths.
QStringList installSystemFaces()
{
    const QStringList installed = QFontDatabase::families();
    const auto has = [&installed](const QString& family) { return installed.contains(family, Qt::CaseInsensitive); };
    const QString arial = QStringLiteral("Arial");
    const QStringList shipped{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (!has(arial)) {
        const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
        const QStringList files = folder.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name);
        for (const QString& file : files)
            QFontDatabase::addApplicationFont(folder.filePath(file));
        QFont::insertSubstitutions(arial, shipped);
        // Such a system's dialog face ("MS Shell Dlg", the default font of
        // every window) is whatever it maps that name to, under Wine a serif
        // face of the host: the stand-in takes its place, at its size.
        if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QFont font = QApplication::font();
            font.setFamilies(shipped);
            QApplication::setFont(font);
        }
    }
    QStringList sans;
    for (const QString& family : {QStringLiteral("Microsoft Sans Serif"), arial})
        if (has(family))
            sans << family;
    return sans + shipped;
}
