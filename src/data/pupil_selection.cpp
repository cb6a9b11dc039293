#include "data/pupil_selection.h"

#include "data/path_helpers.h"
#include "data/program_state.h"
#include "data/pupil_files.h"
#include "data/pupil_profile.h"
#include "platform/file_paths.h"
#include "platform/messages.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QString kProtected = QStringLiteral("Name");

} // namespace

QString PupilSelection::StorableName(const QString& text)
{
    QString name = DecodeCp1252(EncodeCp1252(text));
    for (QChar& c : name) {
        if (c == u'=')
            c = u'-';
        else if (c.unicode() < 0x20)
            c = u' ';
    }
    return name.trimmed();
}

QString PupilSelection::UnstorableCharacter(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (HasCp1252Code(text[i]))
            continue;
        // A character beyond the first plane is a pair of surrogates.
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        return text.mid(i, pair ? 2 : 1);
    }
    return QString();
}

QString PupilSelection::PlainLetters(const QString& text)
{
    // Accents that Windows-1252 lacks are dropped: "ş" -> "s", "ğ" -> "g".
    QString plain;
    for (QChar c : text) {
        if (HasCp1252Code(c)) {
            plain += c;
            continue;
        }
        const QString parts = QString(c).normalized(QString::NormalizationForm_D);
        for (QChar p : parts)
            if (p.category() != QChar::Mark_NonSpacing)
                plain += p;
    }
    return plain;
}

qsizetype PupilSelection::IndexInList(const QString& name) const
{
    for (qsizetype i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void PupilSelection::LoadRegistry()
{
    registry_.Load();
    names_ = registry_.Names();
}

void PupilSelection::SelectFirst()
{
    text_ = names_.isEmpty() ? QString() : names_.first();
}

void PupilSelection::SelectCurrentProfile()
{
    Program().currentProfilePath = PupilProfile::OfRegistryValue(registry_.ValueOf(text_)).Path();
    Program().currentPupilName = text_;
}

void PupilSelection::Start()
{
    LoadRegistry();
    SelectFirst();
    SelectCurrentProfile();
}

bool PupilSelection::SelectRegisteredName(const QString& name)
{
    const qsizetype i = IndexInList(name.trimmed());
    if (i < 0)
        return false;
    text_ = names_[i];
    SelectCurrentProfile();
    return true;
}

PupilSelection::Confirmed PupilSelection::ConfirmPupilName()
{
    const QString unstorable = UnstorableCharacter(text_);
    if (!unstorable.isEmpty()) {
        // Written as "?", the name would become another one ("Ayşe" and
        // "Ayğe" both "Ay?e") and two children would share their results.
        const QString plain = PlainLetters(text_.trimmed());
        QString note = QStringLiteral("Der Name \u201E%1\u201C enth\u00e4lt das Zeichen \u201E%2\u201C, das die "
                                      "Namensliste nicht speichern kann.")
                           .arg(text_.trimmed(), unstorable);
        note += UnstorableCharacter(plain).isEmpty()
                    ? QStringLiteral(" Bitte schreiben Sie den Namen ohne dieses Zeichen, zum Beispiel \u201E%1\u201C.").arg(plain)
                    : QStringLiteral(" Bitte schreiben Sie den Namen ohne dieses Zeichen.");
        ShowNote(note);
        SelectFirst();
        return Confirmed::Refused;
    }
    const QString name = StorableName(text_);
    if (name.isEmpty()) {
        ShowNote(QStringLiteral("Ein leerer Name ist nicht erlaubt!"));
        SelectFirst();
        return Confirmed::Empty;
    }
    qsizetype i = IndexInList(name);
    if (i >= 0) {
        text_ = names_[i];
        return Confirmed::Known;
    }
    LoadRegistry();
    text_ = name;
    i = IndexInList(name);
    if (i >= 0) {
        text_ = names_[i];
        return Confirmed::KnownAfterReload;
    }
    return AddPupil(name) ? Confirmed::Added : Confirmed::NotAdded;
}

// A free profile name: jeder1.ini, jeder2.ini, ... that neither exists nor is
// named by a registry line (by its file name, whatever folder the line
// names), created at once (as a copy of the shared profile, or empty when
// that cannot be copied) so that two pupils never share one. The folder is
// listed once: on a share every look at a file is a trip to the server.
QString PupilSelection::FreeProfileFile() const
{
    QSet<QString> taken;
    const QString folder = ResolvePath(DataRoot());
    for (const QString& entry :
         QDir(NativePath(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        taken.insert(entry.toLower());
    for (const QString& line : registry_.Lines())
        taken.insert(FileNamePart(PupilRegistry::ValueOfLine(line)).toLower());
    QString name = QStringLiteral("jeder.ini");
    for (int n = 1; taken.contains(name); ++n)
        name = QStringLiteral("jeder%1.ini").arg(n);
    return folder + name;
}

QString PupilSelection::NewProfileFile() const
{
    QString file;
    for (int attempt = 0; attempt < 100; ++attempt) {
        file = FreeProfileFile();
        const QString native = NativePath(file);
        if (CopyFile(PupilProfile::Shared().Path(), file, false)) {
            QFile::setPermissions(native, QFileInfo(native).permissions() | QFileDevice::WriteOwner);
            return file;
        }
        if (QFileInfo::exists(native))
            continue;   // another workstation took this name meanwhile
        QFile empty(native);
        if (empty.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file;
        if (!QFileInfo::exists(native))
            return file;   // the data root cannot be written: INI writes will fail too
    }
    return file;
}

// The registry value of a new profile: relative to the program folder when
// the data root lies inside it ("protokoll\jeder1.ini"), else
// "Protokoll\" + the name in the data root. Stored with "\".
QString PupilSelection::RegistryValueOf(const QString& profileFile) const
{
    // Compared in their cleaned native forms, so that ".." steps cannot
    // make a folder outside look inside.
    const auto clean = [](const QString& p) { return QDir::cleanPath(NativePath(p)); };
    const QString program = clean(ProgramFolder()) + u'/';
    const QString file = clean(profileFile);
    QString value;
    if (StartsWithPath(clean(DataRoot()) + u'/', program) && StartsWithPath(file, program))
        value = file.mid(program.size());
    else
        value = QStringLiteral("Protokoll\\") + FileNamePart(profileFile);
    value.replace(u'/', u'\\');
    return value;
}

bool PupilSelection::AddPupil(const QString& name)
{
    // The profile is made inside the registry's lock, just before its line is
    // written: a crash in between leaves a profile no line names, which the
    // next start tidies away (TidyPupilFiles).
    QString file;
    PupilRegistry::Failure failure = PupilRegistry::Failure::None;
    const QString registered = registry_.SaveAdding(
        name,
        [&] {
            file = NewProfileFile();
            return RegistryValueOf(file);
        },
        &failure);
    if (registered.isNull()) {
        // Not kept in memory only: its work would go nowhere it can be found.
        if (!file.isEmpty() && !NamesProfile(registry_, file))
            QFile::remove(NativePath(file));
        text_ = name;
        SelectCurrentProfile();
        const QString folder = QDir::toNativeSeparators(QFileInfo(NativePath(DataRoot())).absoluteFilePath());
        ShowMessage(QStringLiteral("Der Sch\u00fcler ") + name + QStringLiteral(" konnte nicht angemeldet werden: ") +
                        (failure == PupilRegistry::Failure::Busy
                             ? QStringLiteral("der Ordner ") + folder +
                                   QStringLiteral(" ist gerade belegt oder nicht erreichbar. Bitte gleich noch einmal versuchen.")
                             : QStringLiteral("in den Ordner ") + folder +
                                   QStringLiteral(" kann nicht geschrieben werden.")),
                    MessageIcon::Warning);
        return false;
    }
    if (IndexInList(name) < 0)
        names_.append(name);
    text_ = name;
    Program().currentPupilName = name;
    Program().currentProfilePath = PupilProfile::OfRegistryValue(registered).Path();
    return true;
}

// The files of a deleted pupil are removed only when they are an INI profile
// of that pupil alone: never the shared profile, never a profile that another
// registry line still names, never a file that is no profile at all.
bool PupilSelection::MayDeleteFilesOf(const QString& profileFile) const
{
    const PupilProfile profile(profileFile);
    if (ExtensionPart(profileFile).compare(QLatin1String(".ini"), Qt::CaseInsensitive) != 0 ||
        profile.IsShared())
        return false;
    return !NamesProfile(registry_, profileFile);
}

bool PupilSelection::DeletePupil()
{
    const QString name = text_;
    if (name.compare(kProtected, Qt::CaseInsensitive) == 0 || IndexInList(name) < 0)
        return false;
    // "Nein" is the default: Enter after the question keeps the pupil.
    if (AskYesNo(QStringLiteral("Sch\u00fcler ") + name + QStringLiteral(" l\u00f6schen?\n\n") +
                     QStringLiteral("Mit dem Namen werden auch alle Ergebnisse, Einstellungen und Fehlerlisten "
                                    "gel\u00f6scht. Sie kommen in den Ordner \u201Egeloescht\u201C neben der "
                                    "Namensliste und lassen sich von dort zur\u00fcckholen.")) != Answer::Yes)
        return false;
    LoadRegistry();
    if (!registry_.Contains(name)) {
        ShowNote(QStringLiteral("Sch\u00fcler ") + name + QStringLiteral(" war bereits gel\u00f6scht!"));
        SelectFirst();
        return true;
    }
    registry_.SaveRemoving(name, [this, name](const QString& value) {
        const QString profile = PupilProfile::OfRegistryValue(value).Path();
        if (MayDeleteFilesOf(profile))
            MovePupilFilesToDeleted(profile, name + u'=' + value);
    });
    names_ = registry_.Names();
    SelectFirst();
    return true;
}

void PupilSelection::ReloadList()
{
    LoadRegistry();
    const qsizetype i = IndexInList(text_);
    if (i >= 0)
        text_ = names_[i];
    else
        SelectFirst();
}
