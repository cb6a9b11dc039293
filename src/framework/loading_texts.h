#pragma once
// The seven waiting texts shown on the help button while a window loads.
// One turn for the whole program: each use takes the next text, and the
// seventh is followed by the first again, whichever window shows them.
#include <QString>
#include <QStringList>

const QStringList& LoadingTexts();
// The text whose turn it is; advances the shared turn.
QString TakeLoadingText();
