#include "platform/fonts.h"

#include <QApplication>
#include <QByteArray>
#include <QStringList>

namespace {
// FreeType's TrueType interpreter in its classic mode runs a face's
// instructions horizontally too, so that hinted advances are the ones the face
// was designed with (the newer default ignores horizontal hints and rounds the
// scaled advance instead).  FreeType reads the setting when its library is
// created, at the first font the program loads, so it is made as the program
// loads, before any font can be.  A setting of the user's own is kept.
bool useClassicTrueTypeHinting()
{
    QByteArray properties = qgetenv("FREETYPE_PROPERTIES");
    if (properties.contains("interpreter-version"))
        return false;
    if (!properties.isEmpty())
        properties += ' ';
    properties += "truetype:interpreter-version=35";
    return qputenv("FREETYPE_PROPERTIES", properties);
}

const bool classicHinting = useClassicTrueTypeHinting();
} // namespace

QFont withDesignedAdvances(QFont font)
{
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

void installFontSubstitutions()
{
    (void)classicHinting;
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("MsSansSerif"), sans);
    // Greek letters are drawn as Unicode letters in the surrounding face; a
    // "Symbol" request still needs a face that has them.
    QFont::insertSubstitutions(QStringLiteral("Symbol"), sans);
    // Fonts that widgets build for themselves inherit the rendering from here.
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        const QFont current = QApplication::font();
        const QFont designed = withDesignedAdvances(current);
        if (designed.hintingPreference() != current.hintingPreference() || designed.kerning() != current.kerning())
            QApplication::setFont(designed);
    }
}

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return withDesignedAdvances(f);
}

QFont pointFont(const QString& family, int points, bool bold)
{
    QFont f(family);
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
