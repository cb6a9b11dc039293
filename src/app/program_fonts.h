#pragma once
// The program's own fonts: every "*.t*" file of the font folder is added for
// the run of the program and removed again at its end. The face names of the
// content made on Windows are mapped to free fonts of the same metrics or
// purpose.
#include <QList>
#include <QString>

class ProgramFonts {
public:
    ProgramFonts() = default;
    ~ProgramFonts() { RemoveAll(); }
    ProgramFonts(const ProgramFonts&) = delete;
    ProgramFonts& operator=(const ProgramFonts&) = delete;

    // Adds every font file of folder matching "*.t*"; a file that cannot be
    // added is skipped. Returns the number added.
    int Install(const QString& folder);
    // Removes every font that Install added.
    void RemoveAll();
    int InstalledCount() const { return int(ids_.size()); }
    const QList<int>& Ids() const { return ids_; }

    // Arial -> Liberation Sans, Courier New -> Liberation Mono, Comic Sans MS ->
    // Comic Neue, MS Sans Serif -> DejaVu Sans, KV_Druckschrift (the school
    // print font) -> Andika. A font of the font folder with the face name
    // itself wins over the mapping.
    static void InsertSubstitutions();

private:
    QList<int> ids_;
};
