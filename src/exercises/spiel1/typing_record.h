#pragma once
// The typing record of an entry: typed letters, wrong letters in brackets,
// "-OK-" for a right answer and the wrong answers, as the protocol shows it.
#include "framework/history_row.h"

#include <QString>

// The longest record a wrong answer may still be appended to.
constexpr int MaxTypingRecord = 500;

// A right answer: "-OK-" unless the record holds a wrong letter ("[").
void AppendRightAnswer(QString& record);
// A wrong answer: " " + written + "; ", unless the record would reach 500
// characters.
void AppendWrongAnswer(QString& record, const QString& written);
// What the protocol gets for a record: "-OK-" for a word written right at the
// first try (the record holds only typed letters and "-OK-"), else the record.
QString ProtocolAnswer(const QString& record);
// True when the record stands for a word that needs no practice.
bool IsRightAtFirstTry(const QString& record);
// The attempt a refused key stands for, as the pupil's history keeps it: the
// line before the key with the key after it, marked as cut short
// (kAttemptCutShort) where the expected text goes on.
QString RefusedKeyAttempt(const QString& before, QChar key, int expectedLength);
// True when written holds nothing but blanks and underscores.
bool IsBlankAnswer(const QString& written);
// The written text placed at its position inside the expected text (leading
// blanks), so that its correct letters can be kept for the next try.
QString RetryText(const QString& expected, const QString& written);
