#pragma once
// A typing host that records what the typing control asks for, one line per
// request ("fun 1 holz", "case Fun\grossschreiben.wav", "say Hund 1 2",
// "solution", "check", "pending 13"). Saying a letter moves the spelling
// position behind it, as spelling out does.
#include "exercises/spiel1/typing_host.h"

#include <QStringList>

class FakeTypingHost final : public TypingHost {
public:
    QStringList events;
    int spellPosition = 0;
    bool spellingOut = false;
    int redraws = 0;

    void PlayFunSound(int setting, const QString& name) override
    {
        events << QStringLiteral("fun %1 %2").arg(setting).arg(name);
    }
    void PlayCaseHint(const QString& file) override { events << QStringLiteral("case ") + file; }
    void SayLetter(const QString& text, int position, int stimme) override
    {
        events << QStringLiteral("say %1 %2 %3").arg(text).arg(position).arg(stimme);
        spellPosition = position + 1;
    }
    void ShowSolution() override { events << QStringLiteral("solution"); }
    void StartAnswerCheck() override { events << QStringLiteral("check"); }
    void MakePending(int command) override { events << QStringLiteral("pending %1").arg(command); }
    int SpellPosition() const override { return spellPosition; }
    void SetSpellPosition(int position) override { spellPosition = position; }
    bool IsSpellingOut() const override { return spellingOut; }
    void DisplayChanged() override { ++redraws; }

    // The recorded events since the last call.
    QStringList Take()
    {
        QStringList taken = events;
        events.clear();
        return taken;
    }
};
