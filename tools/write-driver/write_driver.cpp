// A driver for the tests of the pupil files under stress: it writes one kind
// of pupil file over and over, the way the program writes it, so a test can
// kill it at any moment and look at what is left; or it adds pupils to a
// shared registry, so two of it at once show what two workstations do.
//
//   write_driver <data root> profile|registry|protocol|certificate|errorlist|history
//       writes until killed; prints "ready" after the first complete write
//   write_driver <data root> addhistory <prefix> <count>
//       appends <count> blocks of words <prefix><block>-<row> to the history
//   write_driver <data root> add <prefix> <count> [<lock timeout in ms>]
//       adds the pupils <prefix>0 ... <prefix><count-1>; exits with 3 when
//       an add still failed after it was tried three times (each failure
//       shows a message); prints "adds <count> failed <n> slowest <ms>
//       retried <n> over1s <n>"
//   write_driver <data root> results <tag> <count> [<pause in ms>]
//       writes <count> protocol and certificate blocks (program "Probe <tag>
//       <i>"), the error list and a profile key "<tag>=<i>" for the pupil
//       "anna", the way an exercise closes; results that cannot be written
//       are kept and tried again at each later write and at the end (for up
//       to 20 s); prints "results <count> kept <n> unsaved <n>" and exits
//       with 3 when some are still unsaved
#include "data/program_state.h"
#include "data/pupil_selection.h"
#include "data/word_list.h"
#include "framework/certificate_data.h"
#include "framework/error_list.h"
#include "framework/results_history.h"
#include "framework/results_protocol.h"
#include "framework/unsaved_results.h"
#include "platform/file_lock.h"
#include "platform/ini_file.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

namespace {

// Long enough that a write takes a while, so kills land inside writes.
constexpr int kRows = 400;

AnswerLists Answers()
{
    AnswerLists answers;
    answers.AddListMarker(QStringLiteral("tiere.txt"));
    for (int i = 0; i < kRows; ++i)
        answers.AddAnswer(i % 3 ? QStringLiteral("-OK-") : QStringLiteral("Hunt; -OK-"), QStringLiteral("Wort%1").arg(i));
    return answers;
}

void Ready()
{
    static bool said = false;
    if (!said) {
        std::puts("ready");
        std::fflush(stdout);
        said = true;
    }
}

int WriteForever(const QString& kind)
{
    const QString profile = DataRoot() + QStringLiteral("anna.ini");
    const AnswerLists answers = Answers();
    ResultsContext context{profile, QStringLiteral("tiere.txt"), QDateTime(QDate(2026, 11, 5), QTime(9, 5)), true};
    tmoiel errors(QStringLiteral("Fehlerliste"));
    for (long n = 0;; ++n) {
        if (kind == QLatin1String("profile")) {
            // A profile whose every section must survive each write.
            for (int s = 0; s < 20; ++s)
                Ini::WriteString(profile, QStringLiteral("Teil%1").arg(s), QStringLiteral("Wert"), QString::number(n));
        } else if (kind == QLatin1String("registry")) {
            PupilSelection selection;
            selection.LoadRegistry();
            selection.SetText(QStringLiteral("Kind%1").arg(n));
            selection.ConfirmPupilName();
        } else if (kind == QLatin1String("protocol")) {
            WriteProtocol(QStringLiteral("Hören und Schreiben "), QString(), answers, context);
        } else if (kind == QLatin1String("certificate")) {
            WriteCertificateData(QStringLiteral("Hören und Schreiben "), answers, context);
        } else if (kind == QLatin1String("history")) {
            AppendResultsHistory(QStringLiteral("Hören und Schreiben "), answers, context);
        } else if (kind == QLatin1String("errorlist")) {
            auto entry = std::make_shared<WordEntry>();
            for (int f = 0; f < 6; ++f)
                entry->fields[f] = QStringLiteral("Wort%1").arg(n);
            errors.Insert(0, entry);
            SaveErrorList(&errors, profile);
        } else {
            return 2;
        }
        Ready();
    }
}

int g_messages = 0;

int AddPupils(const QString& prefix, int count)
{
    int failed = 0, retried = 0, slow = 0;
    qint64 slowest = 0;
    for (int i = 0; i < count; ++i) {
        // A pupil the box reports as not added is typed in again, as the
        // person at the screen would, up to three times.
        for (int attempt = 0; attempt < 3; ++attempt) {
            PupilSelection selection;
            selection.LoadRegistry();
            selection.SetText(prefix + QString::number(i));
            QElapsedTimer t;
            t.start();
            const bool added = selection.ConfirmPupilName() == PupilSelection::Confirmed::Added;
            slowest = std::max(slowest, t.elapsed());
            slow += t.elapsed() >= 1000 ? 1 : 0;
            if (added)
                break;
            ++retried;
            if (attempt == 2)
                ++failed;
        }
    }
    std::printf("adds %d failed %d slowest %lld retried %d over1s %d\n", count, failed,
                static_cast<long long>(slowest), retried, slow);
    return failed ? 3 : 0;
}

int AddHistory(const QString& prefix, int count)
{
    const QString profile = DataRoot() + QStringLiteral("anna.ini");
    const ResultsContext context{profile, QStringLiteral("tiere.txt"), QDateTime(QDate(2026, 11, 5), QTime(9, 5)), true};
    int failed = 0;
    for (int b = 0; b < count; ++b) {
        AnswerLists answers;
        answers.AddListMarker(QStringLiteral("tiere.txt"));
        for (int i = 0; i < 20; ++i)
            answers.AddAnswer(QStringLiteral("-OK-"), prefix + QStringLiteral("%1-%2").arg(b).arg(i));
        failed += AppendResultsHistory(QStringLiteral("Bild zum Wort"), answers, context) ? 0 : 1;
    }
    return failed ? 3 : 0;
}

int WriteResultsBlocks(const QString& tag, int count, int pauseMs)
{
    const QString profile = DataRoot() + QStringLiteral("anna.ini");
    AnswerLists answers;
    answers.AddListMarker(QStringLiteral("tiere.txt"));
    for (int i = 0; i < 20; ++i)
        answers.AddAnswer(QStringLiteral("-OK-"), QStringLiteral("Wort%1").arg(i));
    tmoiel errors(QStringLiteral("Fehlerliste"));
    int kept = 0;
    for (int n = 0; n < count; ++n) {
        const QString program = QStringLiteral("Probe %1 %2").arg(tag).arg(n);
        const ResultsContext context{profile, QStringLiteral("tiere.txt"), QDateTime::currentDateTime(), true};
        const int before = RetryUnsavedResults();
        WriteProtocol(program, QString(), answers, context);
        WriteCertificateData(program, answers, context);
        auto entry = std::make_shared<WordEntry>();
        for (int f = 0; f < 6; ++f)
            entry->fields[f] = QStringLiteral("%1-%2").arg(tag).arg(n);
        errors.Insert(0, entry);
        SaveErrorList(&errors, profile);
        kept += std::max(0, RetryUnsavedResults() - before);
        if (!Ini::WriteString(profile, QStringLiteral("Probe"), tag, QString::number(n)))
            ++kept;
        if (pauseMs > 0)
            QThread::msleep(ulong(pauseMs));
    }
    QElapsedTimer t;
    t.start();
    while (RetryUnsavedResults() > 0 && t.elapsed() < 20000)
        QThread::msleep(200);
    // The last profile key once more, as the next write of the exercise would.
    for (int i = 0; i < 100 && !Ini::WriteString(profile, QStringLiteral("Probe"), tag, QString::number(count - 1)); ++i)
        QThread::msleep(200);
    const int unsaved = RetryUnsavedResults();
    std::printf("results %d kept %d unsaved %d\n", count, kept, unsaved);
    return unsaved ? 3 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    SetMessageHook([](const MessageRequest& r) {
        ++g_messages;
        std::fprintf(stderr, "message: %s\n", qPrintable(r.text));
        return Answer::Ok;
    });
    QString root = args[1];
    if (!root.endsWith(u'/'))
        root += u'/';
    QDir().mkpath(root);
    Program().programFolder = root;
    Program().dataRoot = root;
    if (args[2] == QLatin1String("add")) {
        if (args.size() < 5)
            return 2;
        if (args.size() > 5)
            FileUpdateLock::SetTimeoutMs(args[5].toInt());
        return AddPupils(args[3], args[4].toInt());
    }
    if (args[2] == QLatin1String("addhistory"))
        return args.size() < 5 ? 2 : AddHistory(args[3], args[4].toInt());
    if (args[2] == QLatin1String("results")) {
        if (args.size() < 5)
            return 2;
        return WriteResultsBlocks(args[3], args[4].toInt(), args.size() > 5 ? args[5].toInt() : 0);
    }
    return WriteForever(args[2]);
}
