// Every text a window draws by default is readable on its ground: the menu and
// each exercise variant opened on the sample content with its shipped colour
// table, and each drawn text checked against the ground it is drawn on (the
// colour that covers most of its button in the window as shown).
#include "app/exercise_start.h"
#include "app/tfenster.h"
#include "controls/contrast.h"
#include "controls/tdrbutton.h"
#include "controls/tproginfo.h"
#include "data/program_state.h"
#include "dialogs/modal_run.h"
#include "exercises/spiel2/cover_painting.h"
#include "exercises/spiel5/tprog5.h"
#include "framework/list_window.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "support/fake_audio_device.h"
#include "support/fake_clock.h"
#include "support/temp_program.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The colours inside rect of an image, most frequent first.
QList<QRgb> ColoursByFrequency(const QImage& image, const QRect& rect)
{
    QHash<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    QList<std::pair<int, QRgb>> ranked;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        ranked.append({it.value(), it.key()});
    std::sort(ranked.begin(), ranked.end(), std::greater<>());
    QList<QRgb> colours;
    for (const auto& [count, rgb] : ranked)
        colours << rgb;
    return colours;
}

// "window / caption: text #rrggbb on #rrggbb = ratio" for every visible
// drawn text below the ground's ratio.
QStringList UnreadableTexts(QWidget& window, const QString& name)
{
    QStringList found;
    const QImage shot = window.grab().toImage();
    for (const tdrbutton* b : window.findChildren<tdrbutton*>()) {
        QString caption;
        if (!b->isVisible() || !b->CaptionAndFont(&caption, nullptr) || caption.trimmed().isEmpty())
            continue;
        const QRect place(b->mapTo(&window, QPoint(0, 0)), b->size());
        const QColor ground = QColor::fromRgb(ColoursByFrequency(shot, place & shot.rect()).value(0));
        for (qsizetype i = 0; i < caption.size(); ++i) {
            if (caption[i].isSpace())
                continue;
            const QColor text = b->LetterColor(i);
            const double ratio = ContrastRatio(text, ground);
            if (ratio < kReadableContrast) {
                found << QStringLiteral("%1 / %2 \"%3\" [%4]: %5 on %6 = %7")
                             .arg(name, b->objectName(), caption, b->Style().text, text.name(), ground.name())
                             .arg(ratio, 0, 'f', 2);
                break;
            }
        }
    }
    return found;
}

// The ground (most common colour) and the ink (the next most common colour
// that stands apart from the ground) inside a card's face, clear of its frame.
struct GroundAndInk {
    QColor ground, ink;
};

GroundAndInk CardColours(const QImage& card)
{
    const QRect inner = card.rect().adjusted(card.width() / 6, card.height() / 6, -card.width() / 6,
                                             -card.height() / 6);
    const QList<QRgb> colours = ColoursByFrequency(card, inner);
    GroundAndInk c{QColor::fromRgb(colours.value(0)), QColor()};
    for (QRgb rgb : colours)
        if (ContrastRatio(QColor::fromRgb(rgb), c.ground) > 1.3) {
            c.ink = QColor::fromRgb(rgb);
            break;
        }
    return c;
}

class ReadableColours : public ::testing::Test {
protected:
    ReadableColours()
    {
        Program().programFolder = QStringLiteral(LIRABO_PROGRAM_DIR "/");
        profile_ = prog_.Write("protokoll/leser.ini", "");
        prog_.Write("protokoll/namen.txt", "Leser=protokoll\\leser.ini\r\n");
        Program().currentProfilePath = profile_;
        ProgInfo().LoadColors();
        SetMessageHook([](const MessageRequest&) { return Answer::No; });
        SetModalHook([](QDialog&) { return int(QDialog::Rejected); });
        clock_.OnAdvance([this](qint64) {
            if (probe_)
                probe_();
        });
    }
    ~ReadableColours() override
    {
        SetMessageHook({});
        SetModalHook({});
        ProgInfo().ResetColors();
    }

    TempProgram prog_;
    QString profile_;
    FakeClock clock_;
    FakeAudioDevice audio_{clock_};
    std::function<void()> probe_;   // runs at every advance of the clock
};

TEST_F(ReadableColours, EveryDrawnTextOfTheMenuAndTheExercises)
{
    QStringList unreadable;
    {
        TFenster menu;
        menu.resize(1280, 1024);
        menu.show();
        QApplication::processEvents();
        unreadable += UnreadableTexts(menu, QStringLiteral("Menü"));
    }
    for (const char* name : {"1", "1l", "2", "2a", "3", "4", "5", "6", "7"}) {
        const ExerciseKind kind = ExerciseByName(QString::fromLatin1(name));
        const ExerciseStart* start = FindExerciseStart(kind);
        ASSERT_TRUE(start && start->make) << name;
        std::unique_ptr<T_urahnlrb> window = start->make(ExerciseOptionsByName(QString::fromLatin1(name)));
        ASSERT_TRUE(window) << name;
        window->resize(1280, 1024);
        window->show();
        QApplication::processEvents();
        unreadable += UnreadableTexts(*window, QStringLiteral("Übung ") + QLatin1String(name));
        window->close();
    }
    EXPECT_TRUE(unreadable.isEmpty()) << unreadable.join(u'\n').toStdString();
}

TEST(ReadableCover, TheRequestOnTheCoverOfAnUncoveringTask)
{
    QImage cover(600, 400, QImage::Format_RGB32);
    PaintCover(cover, {}, 12, QStringLiteral("Bitte auf ein Feld klicken!"));
    const GroundAndInk c = CardColours(cover);
    EXPECT_GE(ContrastRatio(c.ink, c.ground), kReadableContrast) << c.ink.name().toStdString() << " auf "
                                                                 << c.ground.name().toStdString();
}

// A pair found by the pupil: the praise shown on its cards while it lasts,
// then the two cards taken in the first player's colour.
TEST_F(ReadableColours, PraiseAndTakenCardsOfTheMemoryGames)
{
    for (const char* name : {"5", "6"}) {
        SCOPED_TRACE(name);
        std::unique_ptr<T_urahnlrb> window = FindExerciseStart(ExerciseByName(QString::fromLatin1(name)))->make({});
        auto* memory = qobject_cast<Tprog5*>(window.get());
        ASSERT_TRUE(memory);
        window->resize(1280, 1024);
        window->show();
        QApplication::processEvents();
        // Pairs found one after another until praise shows (after every few pairs).
        QStringList seen;
        int a = -1;
        probe_ = [&] {
            if (memory->CardTexts().isEmpty() || !seen.isEmpty())
                return;
            const GroundAndInk c = CardColours(memory->CardImage(a, CardState::FaceUp, false));
            seen << QStringLiteral("Lob %1 auf %2 = %3").arg(c.ink.name(), c.ground.name())
                        .arg(ContrastRatio(c.ink, c.ground), 0, 'f', 2);
        };
        const auto& cards = memory->Game().Cards();
        for (size_t i = 0; i < cards.size() && seen.isEmpty(); ++i) {
            if (!cards[i].InGame() || cards[i].state == CardState::Taken)
                continue;
            for (size_t j = i + 1; j < cards.size(); ++j) {
                if (cards[j].entry != cards[i].entry)
                    continue;
                a = MemoryGame::NumberOf(int(i));
                const int b = MemoryGame::NumberOf(int(j));
                QTest::mouseClick(memory->CardButton(a), Qt::LeftButton);
                for (int k = 0; k < 300 && memory->Game().Card(a)->state != CardState::FaceUp; ++k)
                    clock_.Wait(10, true);
                QTest::mouseClick(memory->CardButton(b), Qt::LeftButton);
                for (int k = 0; k < 300 && memory->Game().Card(a)->state != CardState::Taken; ++k)
                    clock_.Wait(10, true);
                ASSERT_EQ(memory->Game().Card(a)->state, CardState::Taken);
                break;
            }
        }
        ASSERT_EQ(seen.size(), 1) << "no praise shown";
        const GroundAndInk taken = CardColours(memory->CardImage(a, CardState::Taken, false));
        const double ratio = ContrastRatio(taken.ink, taken.ground);
        const double praise = seen[0].section(u'=', 1).toDouble();
        EXPECT_GE(praise, kReadableContrast) << seen[0].toStdString();
        EXPECT_GE(ratio, kReadableContrast) << "genommen " << taken.ink.name().toStdString() << " auf "
                                            << taken.ground.name().toStdString();
        probe_ = {};
        window->close();
    }
}

} // namespace
