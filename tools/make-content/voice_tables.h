#pragma once
// The praise and hint tables ("intern\motiv.txt", "intern\hinweis.txt"):
// every row has a text for each of the three voices (child, man, woman) and a
// recording of it by that voice.
//
// Source (content/intern/motiv.txt, hinweis.txt): line 1 the title, line 2 the
// second header line, then one row a line: one text for all voices, or
// "child text | man text | woman text".
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

struct Voice;

struct VoiceTable {
    QString fileName;      // "motiv.txt": source in content/intern, target in intern\ .
    QString soundFolder;   // "Sounds\Lob"
    QString prefix;        // "lob": recordings lob01.wav, lob02.wav, ...
};

struct VoiceTableSource {
    QString title;
    QString subtitle;
    QList<std::array<QString, 3>> rows;
};

const QList<VoiceTable>& VoiceTables();
const std::array<const Voice*, 3>& TableVoices();
QString VoiceFolderName(int voice);   // "Kind", "Mann", "Frau"

VoiceTableSource LoadVoiceTable(const QString& path);
// "Sounds\Lob\Kind\lob01.wav" for voice 0, row 0.
QString VoiceSoundPath(const VoiceTable& table, int voice, int row);
