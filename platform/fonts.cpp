#include "platform/fonts.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QStringList>

namespace {
// FreeType's TrueType interpreter in its classic mode runs a face's
// instructions horizontally too, so that hinted advances are the ones the face
// was designed with (the newer default ignores horizontal hints and rounds the
// scaled advance instead).  FreeType takes the setting from the environment
// when its library is created, at the first font the program loads, so it is
// put there before any font can be, and taken away again once the library
// exists (installFontSubstitutions), so that programs this one starts do not
// inherit it.  A setting of the user's own is kept.
//
// Only where Qt draws text through FreeType: always on Linux and the other
// Unix desktops; on Windows only under the platforms that carry their own
// font engine (offscreen, minimal) or when asked for (fontengine=freetype),
// not under the native one; never on macOS.
struct FreeTypeEnvironment {
    bool changed = false;
    bool hadValue = false;
    QByteArray previous;
};

FreeTypeEnvironment& freeTypeEnvironment()
{
    static FreeTypeEnvironment environment;
    return environment;
}

bool requestClassicTrueTypeInterpreter()
{
    FreeTypeEnvironment& environment = freeTypeEnvironment();
    QByteArray properties = qgetenv("FREETYPE_PROPERTIES");
    if (environment.changed || properties.contains("interpreter-version"))
        return false;
    environment.hadValue = qEnvironmentVariableIsSet("FREETYPE_PROPERTIES");
    environment.previous = properties;
    if (!properties.isEmpty())
        properties += ' ';
    properties += "truetype:interpreter-version=35";
    environment.changed = qputenv("FREETYPE_PROPERTIES", properties);
    return environment.changed;
}

// Once FreeType has read the setting, the environment is as the user left it.
void restoreFreeTypeEnvironment()
{
    FreeTypeEnvironment& environment = freeTypeEnvironment();
    if (!environment.changed)
        return;
    if (environment.hadValue)
        qputenv("FREETYPE_PROPERTIES", environment.previous);
    else
        qunsetenv("FREETYPE_PROPERTIES");
    environment.changed = false;
}

#if defined(Q_OS_WIN)
// The platform is known once the application object is being made, before
// any font is loaded.
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

void requestClassicInterpreterForFreeTypePlatforms()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) && rendersThroughFreeType())
        requestClassicTrueTypeInterpreter();
}
Q_COREAPP_STARTUP_FUNCTION(requestClassicInterpreterForFreeTypePlatforms)
#elif !defined(Q_OS_DARWIN)
const bool classicInterpreterRequested = requestClassicTrueTypeInterpreter();
#endif

#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
// Windows (and macOS) have Arial and a sans-serif face of their own.  Where
// Arial is missing (Wine, a stripped system) the faces shipped beside the
// program in fonts/ stand in for it: Liberation Sans has Arial's metrics,
// DejaVu Sans the letters it may lack; whatever the system would substitute
// instead sets other widths.  Gives the faces that stand for the system's
// sans-serif ("MS Sans Serif", a bitmap face that outline renderers cannot
// use) in the order they are tried.
QStringList substitutesOnOwnFaces()
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
#endif

// The faces a family name is asked for as, once the substitutions are in
// place: the family itself where it is installed, else its substitutes from
// the first installed one on.  Asking for an installed face by name spares
// the font system a search for the missing one and the list of fallback faces
// it sorts for that name, once per writing system; the face drawn, and the
// faces tried for a letter it lacks, are the same.
struct FaceTable {
    bool ready = false;        // set by installFontSubstitutions
    QStringList installed;     // the installed families
    QHash<QString, QStringList> faces;
};

FaceTable& faceTable()
{
    static FaceTable table;
    return table;
}

QStringList facesFor(const QString& family)
{
    FaceTable& table = faceTable();
    if (!table.ready)
        return {family};
    const auto known = table.faces.constFind(family);
    if (known != table.faces.cend())
        return *known;
    QStringList faces{family};
    if (!table.installed.contains(family, Qt::CaseInsensitive)) {
        const QStringList substitutes = QFont::substitutes(family);
        for (qsizetype i = 0; i < substitutes.size(); ++i)
            if (table.installed.contains(substitutes.at(i), Qt::CaseInsensitive)) {
                faces = substitutes.mid(i);
                break;
            }
    }
    table.faces.insert(family, faces);
    return faces;
}

QFont fontOf(const QString& family)
{
    QFont f(family);
    const QStringList faces = facesFor(family);
    if (faces.size() != 1 || faces.first() != family)
        f.setFamilies(faces);
    return f;
}
} // namespace

QFont withDesignedAdvances(QFont font)
{
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

void installFontSubstitutions()
{
#if !defined(Q_OS_WIN) && !defined(Q_OS_DARWIN)
    (void)classicInterpreterRequested;
#endif
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    const QStringList sans = substitutesOnOwnFaces();
#else
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
#endif
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("MsSansSerif"), sans);
    // Greek letters are drawn as Unicode letters in the surrounding face; a
    // "Symbol" request still needs a face that has them.
    QFont::insertSubstitutions(QStringLiteral("Symbol"), sans);
    FaceTable& faces = faceTable();
    faces.installed = QFontDatabase::families();
    faces.faces.clear();
    faces.ready = true;
    // Fonts that widgets build for themselves inherit the rendering from here.
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        const QFont current = QApplication::font();
        const QFont designed = withDesignedAdvances(current);
        if (designed.hintingPreference() != current.hintingPreference() || designed.kerning() != current.kerning())
            QApplication::setFont(designed);
    }
    // Loading a face creates FreeType's library, which has then read its
    // setting.  The face loaded is one the windows draw in anyway (the house
    // face at the size of the main window's buttons), so that start-up loads
    // no face for this alone.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        (void)QFontMetrics(pixelFont(QStringLiteral("Arial"), 12)).height();
        restoreFreeTypeEnvironment();
    }
}

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont f = fontOf(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return withDesignedAdvances(f);
}

QFont pointFont(const QString& family, int points, bool bold)
{
    QFont f = fontOf(family);
    f.setPointSize(points);
    f.setBold(bold);
    return withDesignedAdvances(f);
}

int pixelsToPoints(int pixels)
{
    return (pixels * 72 + 48) / 96;
}

int pointsToPixels(int points)
{
    return (points * 96 + 36) / 72;
}

QFont pointFontForPixels(const QString& family, int pixels)
{
    return pointFont(family, pixelsToPoints(pixels));
}
