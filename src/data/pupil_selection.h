#pragma once
// What the pupil box does, without the widget: the names of the registry, the
// text in the box, choosing the current profile, and adding and deleting
// pupils. The pupil box (app/pupil_box.h) shows this state and forwards its
// keys; tests drive it directly.
#include "data/pupil_registry.h"

#include <QString>
#include <QStringList>

class PupilSelection {
public:
    enum class Confirmed {
        Empty,          // empty text: the note was shown, the first name put back
        Refused,        // a character the registry cannot hold: the note named it, the first name put back
        Known,          // the name was in the list
        KnownAfterReload, // another workstation had added it
        Added,          // a new pupil was added
        NotAdded,       // the registry could not take it: a message said so,
                        // the name stays in the box to try again
    };

    const QStringList& Names() const { return names_; }
    const QString& Text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }
    PupilRegistry& Registry() { return registry_; }

    // Reads the registry and takes its names (the text is left as it is).
    void LoadRegistry();
    // Puts the first name into the box (empty when there is none).
    void SelectFirst();
    // CurrentProfilePath := the profile of the name in the box (the shared
    // profile when the registry does not know the name).
    void SelectCurrentProfile();
    // What the main window does when it is shown.
    void Start();
    // Puts the registered name into the box (in its registered spelling) and
    // makes its profile current; false, changing nothing, when the registry
    // does not know the name.
    bool SelectRegisteredName(const QString& name);

    // The box lost the focus or Enter was pressed.
    Confirmed ConfirmPupilName();
    // Delete pressed in the box; true when the key press is consumed.
    bool DeletePupil();
    // The list is dropped down: re-read, keep the text when still listed.
    void ReloadList();

    // The name as the registry can store it: blanks at both ends removed,
    // characters that Windows-1252 lacks shown as "?", "=" (which would end
    // the name in the file) replaced by "-" and control characters (a line
    // break would split the line) by blanks.
    static QString StorableName(const QString& text);
    // The first character of text that Windows-1252 cannot hold, or nothing.
    static QString UnstorableCharacter(const QString& text);
    // text with the accents that Windows-1252 lacks dropped ("Ayşe" -> "Ayse").
    static QString PlainLetters(const QString& text);

private:
    qsizetype IndexInList(const QString& name) const;
    bool AddPupil(const QString& name);
    QString FreeProfileFile() const;
    QString NewProfileFile() const;
    QString RegistryValueOf(const QString& profileFile) const;
    bool MayDeleteFilesOf(const QString& profileFile) const;

    PupilRegistry registry_;
    QStringList names_;
    QString text_;
};
