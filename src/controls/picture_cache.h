#pragma once
// Pictures kept across tasks: the decoded picture of a file and the faces
// drawn from it, so that a new task or a new game decodes and draws only the
// pictures it has not shown before.
//
// A picture is keyed by its file (the resolved path, its modification time and
// size: a file changed on disk is decoded afresh), a face also by its target
// size and a drawing key (how the face is drawn: style, background). What the
// cache holds is bounded by a byte budget; the least recently used entries go
// first. A change of the word list worked on drops everything.
#include "controls/picture.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <list>

class PictureCache {
public:
    static constexpr qint64 kDefaultBudgetBytes = 12 * 1024 * 1024;

    explicit PictureCache(qint64 budgetBytes = kDefaultBudgetBytes) : budget_(budgetBytes) {}

    // The decoded picture of a file (program path); false, with an empty
    // picture, when the file cannot be read or decoded.
    bool Load(const QString& fileName, Picture& picture);
    // The face drawn earlier from this file at this size with this drawing
    // key; a null image when there is none.
    QImage Face(const QString& fileName, QSize size, const QString& drawing);
    void StoreFace(const QString& fileName, QSize size, const QString& drawing, const QImage& face);

    // The word list now worked on: another list than before drops everything.
    void SetList(const QString& listKey);
    void Clear();

    qint64 Bytes() const { return bytes_; }
    int Decodes() const { return decodes_; }

private:
    struct FileKey {
        QString path;
        QDateTime modified;
        qint64 size = -1;
        bool Valid() const { return size >= 0; }
    };
    struct Entry {
        QString key;
        Picture picture;   // a decoded picture, or
        QImage face;       // a drawn face
        qint64 bytes = 0;
    };
    using Entries = std::list<Entry>;

    static FileKey KeyOf(const QString& fileName);
    static QString PictureKey(const FileKey& file);
    static QString FaceKey(const FileKey& file, QSize size, const QString& drawing);
    Entry* Find(const QString& key);
    void Insert(Entry entry);
    void Trim();

    qint64 budget_;
    qint64 bytes_ = 0;
    int decodes_ = 0;
    QString list_;
    Entries entries_;   // most recently used first
    QHash<QString, Entries::iterator> index_;
};

// The one cache the exercises' drawn buttons share.
PictureCache& SharedPictureCache();
