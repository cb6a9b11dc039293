#pragma once
// The common reference text of the word fields of "Welches Wort stimmt?": all
// fields take their font size from it, so they show their words in one size,
// the one that fits the longest word (at least seven "M").
#include <QString>
#include <QStringList>

// "MMMMMMM", or as many "A" as the longest caption has characters when that
// is longer, with two blanks before and after.
QString SizingText(const QStringList& visibleCaptions);
