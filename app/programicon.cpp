#include "app/programicon.h"

QIcon programIcon()
{
    QIcon icon;
    for (int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/" VEKTUM_APP_ID ".png").arg(size), QSize(size, size));
    return icon;
}
