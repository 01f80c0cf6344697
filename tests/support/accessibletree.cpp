#include "accessibletree.h"

namespace {
void collect(QAccessibleInterface* iface, QList<QAccessibleInterface*>& out)
{
    if (!iface)
        return;
    out.append(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        collect(iface->child(i), out);
}
} // namespace

QList<QAccessibleInterface*> accessibleTree(QAccessibleInterface* iface)
{
    QList<QAccessibleInterface*> out;
    collect(iface, out);
    return out;
}
