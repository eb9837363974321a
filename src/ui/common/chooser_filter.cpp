#include "ui/common/chooser_filter.h"

#include <QStringList>

namespace zarvo {

QString ChooserFilter(const char* pairs)
{
    const QStringList parts = QString::fromUtf8(pairs).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype at = 0; at < parts.size(); at += 2) {
        QString description = parts[at].trimmed();
        // Several patterns are joined by ';' there and by blanks here.
        const QString pattern =
            at + 1 < parts.size() ? parts[at + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' ')) : QString();
        if (!pattern.isEmpty() && !description.endsWith(QLatin1Char(')'))) {
            description += QStringLiteral(" (") + pattern + QLatin1Char(')');
        }
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace zarvo
