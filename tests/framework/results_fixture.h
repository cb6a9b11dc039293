#pragma once
// A pupil folder for the results writers: a profile path in a throw-away
// program folder and a fixed moment (Thursday, 5 November 2026, 09:05).
#include "framework/results_files.h"
#include "support/temp_program.h"

#include <QDir>
#include <gtest/gtest.h>

class ResultsTest : public ::testing::Test {
protected:
    ResultsTest() { QDir().mkpath(prog.Path(QStringLiteral("protokoll"))); }

    ResultsContext Context(bool headerFlag = true, const QString& list = QStringLiteral("tiere.txt")) const
    {
        return {profile, list, QDateTime(QDate(2026, 11, 5), QTime(9, 5)), headerFlag};
    }
    QByteArray Read(const char* extension) const
    {
        return prog.Read(QStringLiteral("protokoll/anna") + QLatin1String(extension));
    }

    TempProgram prog;
    const QString profile = prog.Path(QStringLiteral("protokoll/anna.ini"));
};
