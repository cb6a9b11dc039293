#pragma once
// Answers "is there a file at this program path?" for many paths in a row,
// listing each folder only once. Names are matched as NativePath matches them
// (the exact name first, then without regard to case). Meant for one pass
// over a list of names, such as the picture fields of a word list; it does not
// notice files created or removed after a folder was listed.
#include <QHash>
#include <QString>

#include <memory>

class FilePresence {
public:
    // True when path names an existing regular file.
    bool IsFile(const QString& path);
    // The same for a name without separators in folder (a program path with a
    // final separator); quicker than IsFile(folder + name).
    bool IsFileIn(const QString& folder, const QString& name);

private:
    enum class Kind : char { Unknown, File, Folder, Other };
    struct Listing {
        QString native;                  // the folder's native path, with a final "/"
        QHash<QString, Kind> byName;     // filled lazily with the kind of the name
        QHash<QString, QString> byLower; // lower-case name -> name
        // The kind of the entry named name (exact first, then ignoring case,
        // which also corrects name), or nullptr when there is none.
        Kind* Find(QString& name);
    };
    // Listing of a folder given in program form with a final "/" ("" for the
    // working folder); nullptr when the folder does not exist.
    Listing* ListingOf(const QString& folder);
    static std::shared_ptr<Listing> List(const QString& native);

    QHash<QString, std::shared_ptr<Listing>> listings_;
    QHash<QString, Listing*> byGivenName_;   // folders as callers wrote them
};
