#pragma once
// A copy of the built program with the sample content, in a folder of its own
// so that its pupil data stays apart: the executable copied, the content
// folders linked, "protokoll" copied. Tests start it as a separate process.
#include "platform/file_paths.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

class BuiltProgram {
public:
    BuiltProgram()
    {
        const QString source = QStringLiteral(LIRABO_PROGRAM_DIR);
        root_ = dir_.path() + QStringLiteral("/lirabo/");
        QDir().mkpath(root_ + QStringLiteral("protokoll"));
        QFile::copy(QStringLiteral(LIRABO_PROGRAM), Executable());
        for (const QString& entry : QDir(source).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (entry != QLatin1String("protokoll"))
                QFile::link(source + u'/' + entry, root_ + entry);
        CopyFolderTree(source + QStringLiteral("/protokoll"), root_ + QStringLiteral("protokoll"));
    }

    // Folder with a trailing "/".
    const QString& Root() const { return root_; }
    QString Executable() const { return root_ + QStringLiteral("lirabo"); }

    // The test's environment for a headless run: offscreen, dummy sound.
    static QProcessEnvironment HeadlessEnvironment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        return env;
    }

private:
    QTemporaryDir dir_;
    QString root_;
};
