#include "exercises/spiel2/sizing_text.h"

QString SizingText(const QStringList& visibleCaptions)
{
    QString text(7, u'M');
    for (const QString& caption : visibleCaptions)
        if (caption.size() > text.size())
            text = QString(caption.size(), u'A');
    return QStringLiteral("  ") + text + QStringLiteral("  ");
}
