#pragma once
// A memory host that records what a turn asks for, one line per request
// ("flip 101 up", "flip 101 down", "speak 101", "stop", "wait 400",
// "players", "praise 101 104", "won", "won praise", "end", "press 103"). The
// computer's presses are queued; RunPresses() turns them as the window's
// posted clicks would. A sound "plays" for soundRounds polls after Speak.
#include "exercises/spiel5/memory_host.h"
#include "exercises/spiel5/memory_play.h"

#include <QStringList>
#include <deque>
#include <functional>

class FakeMemoryHost final : public MemoryHost {
public:
    QStringList events;
    std::deque<int> presses;
    int soundRounds = 0;          // polls a spoken word keeps playing
    std::function<void()> onWait; // runs inside every wait (clicks during a turn)
    MemoryPlay* play = nullptr;

    void ShowFlip(int card, CardState, CardState to) override
    {
        events << QStringLiteral("flip %1 %2").arg(card).arg(to == CardState::FaceUp ? "up" : "down");
    }
    void RedrawCard(int card) override { events << QStringLiteral("redraw %1").arg(card); }
    void Speak(int card) override
    {
        events << QStringLiteral("speak %1").arg(card);
        playing_ = soundRounds;
    }
    void StopSound() override
    {
        events << QStringLiteral("stop");
        playing_ = 0;
    }
    bool SoundPlaying() override
    {
        if (playing_ <= 0)
            return false;
        --playing_;
        return true;
    }
    void Wait(int ms) override
    {
        events << QStringLiteral("wait %1").arg(ms);
        if (onWait)
            onWait();
    }
    void PlayersChanged() override { events << QStringLiteral("players"); }
    void ShowPairPraise(int a, int b) override { events << QStringLiteral("praise %1 %2").arg(a).arg(b); }
    void GameWon(bool praise) override { events << (praise ? QStringLiteral("won praise") : QStringLiteral("won")); }
    void EndOfTurn() override { events << QStringLiteral("end"); }
    void PressCard(int card) override
    {
        events << QStringLiteral("press %1").arg(card);
        presses.push_back(card);
    }

    // Turns the queued computer presses (each may queue the next).
    void RunPresses()
    {
        while (!presses.empty() && play) {
            const int card = presses.front();
            presses.pop_front();
            play->TurnCard(card);
        }
    }
    // The events since the last call.
    QStringList Take()
    {
        QStringList taken = events;
        events.clear();
        return taken;
    }

private:
    int playing_ = 0;
};
