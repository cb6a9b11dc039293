#pragma once
// What the typing control asks its window to do. The window plays the sounds,
// spells letters out, shows the solution and runs the answer check; tests use
// a recording fake.
#include <QString>

class TypingHost {
public:
    virtual ~TypingHost() = default;

    // A feedback sound "fun\<name>.wav", played only when setting is not 0.
    virtual void PlayFunSound(int setting, const QString& name) = 0;
    // "Fun\grossschreiben.wav" or "Fun\kleinschreiben.wav", played always.
    virtual void PlayCaseHint(const QString& file) = 0;
    // Says the unit of text at position through spelling out, with Stimme
    // set to stimme for this one letter (below 3 letter names, else sounds).
    virtual void SayLetter(const QString& text, int position, int stimme) = 0;
    // The task reached its fourth wrong letter: show the solution.
    virtual void ShowSolution() = 0;
    // The line equals the word in automatic control: judge the answer.
    virtual void StartAnswerCheck() = 0;
    // Makes a numbered command pending (the next key or click runs it).
    virtual void MakePending(int command) = 0;
    // The window's spelling position and whether a word is being spelled out.
    virtual int SpellPosition() const = 0;
    virtual void SetSpellPosition(int position) = 0;
    virtual bool IsSpellingOut() const = 0;
    // The line or the letter marks changed: redraw the word display now.
    virtual void DisplayChanged() = 0;
};
