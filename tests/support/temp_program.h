#pragma once
// A throw-away program folder for tests: sets the program folder and data root
// to a temporary directory and restores them afterwards.
#include "data/program_state.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class TempProgram {
public:
    TempProgram() : saved_(Program())
    {
        root_ = dir_.path() + QStringLiteral("/prog/");
        QDir().mkpath(root_);
        Program().programFolder = root_;
        Program().dataRoot = root_ + QStringLiteral("protokoll/");
    }
    ~TempProgram() { Program() = saved_; }
    TempProgram(const TempProgram&) = delete;
    TempProgram& operator=(const TempProgram&) = delete;

    // Folder with a trailing "/".
    const QString& Root() const { return root_; }
    QString Path(const QString& relative) const { return root_ + relative; }

    // Writes a file below the root (creating folders); "\" allowed in names.
    QString Write(const QString& relative, const QByteArray& bytes) const
    {
        QString rel = relative;
        rel.replace(u'\\', u'/');
        const QString p = root_ + rel;
        QDir().mkpath(QFileInfo(p).absolutePath());
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return p;
    }
    QByteArray Read(const QString& relative) const
    {
        QString rel = relative;
        rel.replace(u'\\', u'/');
        QFile f(root_ + rel);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private:
    QTemporaryDir dir_;
    QString root_;
    ProgramState saved_;
};
