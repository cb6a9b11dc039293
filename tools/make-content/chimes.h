#pragma once
// The feedback sounds, synthesised: chimes for right answers, soft low tones
// for wrong ones, a wooden key click. All friendly and shorter than a second.
#include "sound/wave.h"

#include <QList>
#include <QString>

struct NamedSound {
    QString path;   // program path, "fun\gewonnen.wav"
    Wave wave;
};

QList<NamedSound> FeedbackSounds();
