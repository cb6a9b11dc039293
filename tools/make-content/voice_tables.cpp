#include "voice_tables.h"

#include "content_files.h"
#include "speech/speech.h"

const QList<VoiceTable>& VoiceTables()
{
    static const QList<VoiceTable> tables = {
        {QStringLiteral("motiv.txt"), QStringLiteral("Sounds\\Lob"), QStringLiteral("lob")},
        {QStringLiteral("hinweis.txt"), QStringLiteral("Sounds\\Hinweis"), QStringLiteral("hinweis")},
    };
    return tables;
}

const std::array<const Voice*, 3>& TableVoices()
{
    static const std::array<const Voice*, 3> voices = {&Voices::kChild, &Voices::kMan,
                                                       &Voices::kWoman};
    return voices;
}

QString VoiceFolderName(int voice)
{
    static const QStringList names = {QStringLiteral("Kind"), QStringLiteral("Mann"),
                                      QStringLiteral("Frau")};
    return names.value(voice);
}

VoiceTableSource LoadVoiceTable(const QString& path)
{
    const QStringList lines = SourceLines(path);
    if (lines.size() < 3)
        Fail(QStringLiteral("%1: needs a title, a second line and rows").arg(path));
    VoiceTableSource table{lines[0], lines[1], {}};
    for (int i = 2; i < lines.size(); ++i) {
        QStringList texts = lines[i].split(u'|');
        for (QString& t : texts)
            t = t.trimmed();
        if (texts.size() == 1)
            texts = {texts[0], texts[0], texts[0]};
        if (texts.size() != 3 || texts.contains(QString()) || lines[i].contains(u';'))
            Fail(QStringLiteral("%1: malformed row \"%2\"").arg(path, lines[i]));
        table.rows.append({texts[0], texts[1], texts[2]});
    }
    return table;
}

QString VoiceSoundPath(const VoiceTable& table, int voice, int row)
{
    return QStringLiteral("%1\\%2\\%3%4.wav")
        .arg(table.soundFolder, VoiceFolderName(voice), table.prefix)
        .arg(row + 1, 2, 10, QLatin1Char('0'));
}
