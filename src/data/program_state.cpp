#include "data/program_state.h"

ProgramState& Program()
{
    static ProgramState state;
    return state;
}

QString ProgramVersion()
{
#if defined(LIRABO_VERSION_MAJOR) && defined(LIRABO_VERSION_MINOR)
    return QString::number(LIRABO_VERSION_MAJOR) + u'.' + QString::number(LIRABO_VERSION_MINOR);
#else
    return QStringLiteral("?");
#endif
}

const QStringList& ArticleList()
{
    static const QStringList list = {QStringLiteral("der"), QStringLiteral("die"),
                                     QStringLiteral("das"), QStringLiteral("ein"),
                                     QStringLiteral("eine")};
    return list;
}
