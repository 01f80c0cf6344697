#include "platform/fonts.h"

#include "platform/systemfonts.h"

#include <QApplication>
#include <QByteArray>
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
// put there before the fonts are installed and taken away again once the
// library exists (installFontSubstitutions), so that programs this one starts
// do not inherit it.  A setting of the user's own is kept.
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

void requestClassicTrueTypeInterpreter()
{
    FreeTypeEnvironment& environment = freeTypeEnvironment();
    QByteArray properties = qgetenv("FREETYPE_PROPERTIES");
    if (environment.changed || properties.contains("interpreter-version"))
        return;
    environment.hadValue = qEnvironmentVariableIsSet("FREETYPE_PROPERTIES");
    environment.previous = properties;
    if (!properties.isEmpty())
        properties += ' ';
    properties += "truetype:interpreter-version=35";
    environment.changed = qputenv("FREETYPE_PROPERTIES", properties);
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
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (gui && rendersThroughFreeType())
        requestClassicTrueTypeInterpreter();
    const QStringList sans = installSystemFaces();
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
    if (gui) {
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
