#pragma once
// The program's list of font names, kept sorted without regard to case (in
// the Windows-1252 order of the lower-case names). It starts with "Arial",
// "Comic Sans MS" and "KV_Druckschrift"; loading settings and the font
// dialog add the fonts they meet.
#include <QString>
#include <QStringList>

class FontNameList {
public:
    FontNameList();

    // Position of name compared without regard to case, or -1.
    int IndexOf(const QString& name) const;
    // Adds name unless it is there; its position in the sorted list.
    int Add(const QString& name);
    const QStringList& Names() const { return names_; }
    int Count() const { return int(names_.size()); }
    // Back to the three names of the start.
    void Reset();

private:
    QStringList names_;
};

FontNameList& FontList();
