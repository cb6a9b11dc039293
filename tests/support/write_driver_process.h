#pragma once
// Starts tools/write-driver as a process of its own on a data root, as the
// stress and kill tests of the pupil files do; its messages go to stderr.
#include <QProcess>
#include <QStringList>

#include <memory>

inline std::unique_ptr<QProcess> StartWriteDriver(const QString& root, const QStringList& args)
{
    auto p = std::make_unique<QProcess>();
    p->setProgram(QStringLiteral(LIRABO_WRITE_DRIVER));
    p->setArguments(QStringList{root} + args);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start();
    return p;
}
