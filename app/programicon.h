#pragma once
// The program's icon, compiled into the program from the renderings of its SVG
// made at build time, so that it is found from the build tree and from an
// installed tree alike.
#include <QIcon>

// The icon with its 48, 128 and 256 pixel renderings.
QIcon programIcon();
