#include "platform/systemfonts.h"

#include <QFont>

// Qt draws every text through FreeType on the Unix desktops.
bool rendersThroughFreeType()
{
    return true;
}

// Arial does not come with these systems: Liberation Sans has its metrics,
// DejaVu Sans the letters it may lack.  They stand for the system's
// sans-serif too.
QStringList installSystemFaces()
{
    const QStringList shipped{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), shipped);
    return shipped;
}
