#include "data/exercise_settings.h"

#include "controls/tproginfo.h"
#include "data/exercise_settings_keys.h"
#include "data/font_list.h"
#include "data/profile_section.h"
#include "data/program_state.h"
#include "platform/color_text.h"
#include "platform/file_lock.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"

#include <algorithm>

namespace {

constexpr int kFontNameLength = 119;
constexpr int kPictureNameLength = 159;
const QString kDefaultBrush = QStringLiteral("$00FFFFFF");

// Sets the record's keys one by one in the lines of the profile, in the order
// they are given, and writes the profile once at the end (atomically), all
// under the profile's update lock. A profile that cannot be written (or
// locked) is left as it was, and so is one that exists but cannot be read:
// writing it would replace the pupil's other settings.
class SectionWriter {
public:
    explicit SectionWriter(QString section)
        : section_(std::move(section)), lock_(CurrentProfilePath())
    {
        ReadStatus status = ReadStatus::Ok;
        lines_ = ReadTextLines(CurrentProfilePath(), &status);
        readable_ = status != ReadStatus::Unreadable;
    }
    ~SectionWriter()
    {
        if (changed_ && readable_ && lock_.Locked())
            WriteTextLines(CurrentProfilePath(), lines_);
    }
    SectionWriter(const SectionWriter&) = delete;
    SectionWriter& operator=(const SectionWriter&) = delete;

    void Text(const QString& key, const QString& value, const QString& section = QString())
    {
        changed_ |= Ini::SetValueIn(lines_, section.isEmpty() ? section_ : section, key, value);
    }
    void Number(const QString& key, int value) { Text(key, QString::number(value)); }
    // An integer or flag key of the table, by name.
    void Key(const QString& name)
    {
        const SettingKey& k = SettingKeyNamed(name);
        const auto& s = ExerciseSettings();
        Number(name, k.integer ? s.*k.integer : (s.*k.flag ? 1 : 0));
    }
    void Keys(std::initializer_list<const char*> names)
    {
        for (const char* n : names)
            Key(QString::fromUtf8(n));
    }

private:
    QString section_;
    FileUpdateLock lock_;
    QStringList lines_;
    bool readable_ = true;
    bool changed_ = false;
};

// Index of a colour character in "0123456789ABCDEFz", -1 when it is none.
int ColourIndex(QChar c)
{
    return int(kColourCodes.indexOf(c, 0, Qt::CaseInsensitive));
}

} // namespace

ExerciseSettingsRecord& ExerciseSettings()
{
    static ExerciseSettingsRecord settings;
    return settings;
}

QString& CurrentSection()
{
    static QString section;
    return section;
}

void LoadSettings(const QString& section)
{
    const ProfileSection profile(CurrentProfilePath(), section);
    auto& s = ExerciseSettings();

    // Integers and flags with their defaults, brought into their ranges.
    for (const SettingKey& k : SettingKeys()) {
        const int v = Limited(k, profile.Int(k.name, DefaultIn(k, section)));
        if (k.integer)
            s.*k.integer = v;
        else
            s.*k.flag = v == 1;
    }
    if (s.textcontrolle <= 0)
        s.auto3 = 0;
    else if (s.textcontrolle == 1)
        s.auto3 = 1;

    // A colour or outfit index outside its range names nothing: the default.
    for (const CharacterKey& k : CharacterKeys()) {
        int i = profile.Int(k.name, k.defaultValue);
        if (i < 0 || i > k.max)
            i = k.defaultValue;
        s.*k.field = k.codes->at(i);
    }

    s.schriftart = profile.Text(QStringLiteral("Schriftart"), QStringLiteral("Arial"), kFontNameLength);
    if (s.schriftart.trimmed().isEmpty())
        s.schriftart = QStringLiteral("Arial");
    s.schrift = FontList().Add(s.schriftart);

    const bool soundMemory = section.contains(Section::kSoundMemory);
    s.bildhinten = profile.Text(QStringLiteral("Bildhinten"),
                                soundMemory ? QStringLiteral("fun\\memory\\rueck4.wmf")
                                            : QStringLiteral("fun\\memory\\rueck2.wmf"),
                                kPictureNameLength);
    s.bildhintenstapel = profile.Text(QStringLiteral("Bildhintenstapel"),
                                      soundMemory ? QStringLiteral("fun\\stapel4.wmf")
                                                  : QStringLiteral("fun\\stapel2.wmf"),
                                      kPictureNameLength);

    tproginfo& colours = ProgInfo();
    const auto brush = ColorFromText(profile.Text(QStringLiteral("Hintergrundbrush"), kDefaultBrush, 255));
    colours.windowColor = brush ? *brush & 0xFFFFFF : 0xFFFFFF;
    const int background = ColourIndex(s.hintergrundfarbe);
    if (background != kCustomBackground)
        colours.windowColor = colours.colors[size_t(std::max(background, 0))];
    colours.textColor = colours.colors[size_t(16 + std::clamp(ColourIndex(s.textfarbe), 0, 15))];

    if (s.textvorgabe == 3) {
        s.blinken = 2;
        s.textcontrolle = 2;
    }
}

void SaveSettings(const QString& section)
{
    auto& s = ExerciseSettings();
    if (s.textvorgabe == 3) {
        s.blinken = 2;
        s.textcontrolle = 1;
    }
    SectionWriter w(section);
    w.Keys({"SoundnachEingabe", "Maushilfe", "Textcontrolle", "Textvorgabe", "Auto2", "Auto3", "Auto4",
            "Mit Sound", "Textausrichtung", "Textcontrollnr", "Blinken", "Funsound", "Tippton",
            "Positivsound", "Motivation", "Motzahl", "Mit_ton"});
    w.Text(QStringLiteral("Buchstabieren"), QString::number(s.buchstabieren), Section::kHoerenUndSchreiben);
    w.Key(QStringLiteral("Felderanzahl"));
    if (section.compare(Section::kWelchesWortStimmt, Qt::CaseInsensitive) == 0)
        w.Keys({"Puzzelanzahl", "Aufdeckpause", "Aufdeckenmanuell"});
    w.Keys({"Hilfebild", "Bilderanzahl", "Rückseite", "Bedienung", "Würfeln"});
    // Colour indexes: the position of their character (Hintergrundfarbe "z" is 16).
    w.Number(QStringLiteral("Textfarbe"), ColourIndex(s.textfarbe));
    w.Number(QStringLiteral("Hintergrundfarbe"), ColourIndex(s.hintergrundfarbe));
    w.Text(QStringLiteral("Hintergrundbrush"), ColorToText(ProgInfo().windowColor));
    w.Number(QStringLiteral("Outfit"), int(kOutfitCodes.lastIndexOf(s.outfit)));
    w.Number(QStringLiteral("Schrift"), s.schrift);
    w.Key(QStringLiteral("Stimme"));
    w.Text(QStringLiteral("Bildhinten"), s.bildhinten);
    w.Text(QStringLiteral("Bildhintenstapel"), s.bildhintenstapel);
    w.Keys({"Buchstabierpause", "Soundpause", "Ratter", "Beam", "Zufallnegativ", "Zufallpositiv",
            "mitArtikel", "ohneArtikelabschreiben"});
    if (section.compare(Section::kHoerenUndSchreiben, Qt::CaseInsensitive) == 0)
        w.Key(QStringLiteral("TastaturLock"));
    w.Text(QStringLiteral("Schriftart"), s.schriftart);
}
