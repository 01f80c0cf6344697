#pragma once
// The accessibility tree as a screen reader walks it.
#include <QAccessibleInterface>
#include <QList>

// Every accessible object under `iface` (itself first), depth first.
QList<QAccessibleInterface*> accessibleTree(QAccessibleInterface* iface);
