#include "recentfiles.h"

void AddRecentFile(QStringList &entries, const QString &path)
{
    constexpr int maximum = 5;
    const qsizetype found = entries.indexOf(path);
    if (found >= 0) {
        entries.move(found, 0);
        return;
    }
    if (entries.size() >= maximum) {
        entries.removeLast();
        entries.prepend(path);
        return;
    }
    entries.prepend(path);
}
