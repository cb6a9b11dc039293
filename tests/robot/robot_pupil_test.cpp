// The robot pupil in the suite: a short fixed set of seeds for every
// variant, and the seeds that once found a fault. A long run
// (LIRABO_ROBOT_MINUTES, see scripts/robot-pupil.sh) plays on with new seeds
// until its time is up.
#include "robot_pupil.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcessEnvironment>

#include <cstdio>

namespace {

using robot::Content;
using robot::RobotPupil;
using robot::RunStats;
using robot::Variant;

const Variant kVariants[] = {
    {"1", Content::Mixed},  {"1l", Content::Mixed}, {"2", Content::Mixed}, {"2a", Content::Mixed},
    {"3", Content::Mixed},  {"4", Content::Mixed},  {"5", Content::Mixed}, {"6", Content::Mixed},
    {"7", Content::Mixed},
};

void Expect(const RunStats& stats)
{
    EXPECT_TRUE(stats.faults.isEmpty()) << stats.faults.join(QStringLiteral("\n")).toStdString();
}

class RobotPupilVariant : public ::testing::TestWithParam<Variant> {};

// Seeds 1 to 3 are also regression cases: on the code before the robot
// they found empty blocks in the protocol and certificate data (variants 1,
// 1l, 2) and a solved task of variants 3 and 4 left without a next task
// after a click on the word field (seed 2).
TEST_P(RobotPupilVariant, FixedSeedsFindNothing)
{
    for (unsigned seed : {1u, 2u}) {
        RobotPupil pupil(GetParam(), seed);
        Expect(pupil.Play(3));
    }
}

TEST_P(RobotPupilVariant, ShortListsFindNothing)
{
    for (Content content : {Content::OneEntry, Content::TwoEntries}) {
        RobotPupil pupil({GetParam().name, content}, 3);
        Expect(pupil.Play(2));
    }
}

// Seeds of the long run that found a solved task left without its next task
// after a click on a sound button (1001, 1003) or the help button (1006,
// 1008) in variants 3 and 4; and two where input queued during the check's
// "next" attempts stepped a list of two entries on and back (1043: back to
// the start of "Lernkartei"; 1087: twice round), so exercise 1 looked stuck;
// and one where exercise 2 set a task solved after "Optionen" up again
// (3012: the setting-up had been overtaken by queued clicks).
TEST(RobotPupil, RegressionSeeds)
{
    const struct {
        Variant variant;
        unsigned seed;
    } cases[] = {{{"3", Content::Mixed}, 1001},
                 {{"4", Content::TwoEntries}, 1003},
                 {{"3", Content::OneEntry}, 1006},
                 {{"4", Content::Mixed}, 1008},
                 {{"1l", Content::TwoEntries}, 1043},
                 {{"1", Content::TwoEntries}, 1087},
                 {{"2", Content::Mixed}, 3012}};
    for (const auto& c : cases) {
        RobotPupil pupil(c.variant, c.seed);
        Expect(pupil.Play(6));
    }
}

std::string VariantName(const ::testing::TestParamInfo<Variant>& info)
{
    std::string name = std::string("V") + info.param.name;
    return name;
}

INSTANTIATE_TEST_SUITE_P(RobotPupil, RobotPupilVariant, ::testing::ValuesIn(kVariants), VariantName);

// Runs on new seeds for LIRABO_ROBOT_MINUTES minutes (skipped without it)
// and prints the events sent and every fault found.
TEST(RobotPupil, LongRun)
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const double minutes = env.value(QStringLiteral("LIRABO_ROBOT_MINUTES")).toDouble();
    if (minutes <= 0)
        GTEST_SKIP() << "set LIRABO_ROBOT_MINUTES for a long run";
    unsigned seed = env.value(QStringLiteral("LIRABO_ROBOT_SEED"), QStringLiteral("1000")).toUInt();
    const QString only = env.value(QStringLiteral("LIRABO_ROBOT_VARIANT"));   // one variant only
    QElapsedTimer timer;
    timer.start();
    long events = 0;
    long bursts = 0;
    long runs = 0;
    QStringList faults;
    static const Content contents[] = {Content::Mixed, Content::Mixed, Content::OneEntry, Content::TwoEntries};
    while (timer.elapsed() < qint64(minutes * 60000)) {
        for (const Variant& v : kVariants) {
            if (!only.isEmpty() && only != QLatin1String(v.name))
                continue;
            RobotPupil pupil({v.name, contents[seed % 4]}, seed);
            const RunStats& stats = pupil.Play(6);
            events += stats.events;
            bursts += stats.bursts;
            ++runs;
            for (const QString& f : stats.faults) {
                faults << f;
                std::fprintf(stderr, "FAULT %s\n", qPrintable(f));
            }
            if (timer.elapsed() >= qint64(minutes * 60000))
                break;
        }
        ++seed;
        std::fprintf(stderr, "robot pupil: %ld runs, %ld bursts, %ld events, %lld faults so far\n", runs, bursts,
                     events, static_cast<long long>(faults.size()));
    }
    std::fprintf(stderr, "robot pupil: %ld runs, %ld bursts, %ld events, %lld faults, last seed %u\n", runs, bursts,
                 events, static_cast<long long>(faults.size()), seed);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("\n")).toStdString();
}

} // namespace
