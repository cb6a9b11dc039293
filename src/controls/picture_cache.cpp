#include "controls/picture_cache.h"

#include "data/path_helpers.h"
#include "platform/file_paths.h"

#include <QFileInfo>

namespace {

qint64 PictureBytes(const Picture& picture)
{
    // A metafile's records are small beside a bitmap; they count a little so
    // that many of them are still bounded.
    return picture.Vector() ? 4096 : qint64(picture.Image().sizeInBytes());
}

} // namespace

PictureCache::FileKey PictureCache::KeyOf(const QString& fileName)
{
    FileKey key;
    const QFileInfo info(NativePath(ResolvePath(fileName)));
    if (!info.isFile())
        return key;
    key.path = info.absoluteFilePath();
    key.modified = info.lastModified();
    key.size = info.size();
    return key;
}

QString PictureCache::PictureKey(const FileKey& file)
{
    return QStringLiteral("%1|%2|%3").arg(file.path).arg(file.modified.toMSecsSinceEpoch()).arg(file.size);
}

QString PictureCache::FaceKey(const FileKey& file, QSize size, const QString& drawing)
{
    return PictureKey(file) + QStringLiteral("|%1x%2|").arg(size.width()).arg(size.height()) + drawing;
}

PictureCache::Entry* PictureCache::Find(const QString& key)
{
    const auto it = index_.find(key);
    if (it == index_.end())
        return nullptr;
    entries_.splice(entries_.begin(), entries_, it.value());
    return &entries_.front();
}

void PictureCache::Insert(Entry entry)
{
    if (entry.bytes > budget_)
        return;
    if (const auto it = index_.find(entry.key); it != index_.end()) {
        bytes_ -= it.value()->bytes;
        entries_.erase(it.value());
        index_.erase(it);
    }
    bytes_ += entry.bytes;
    const QString key = entry.key;
    entries_.push_front(std::move(entry));
    index_.insert(key, entries_.begin());
    Trim();
}

void PictureCache::Trim()
{
    while (bytes_ > budget_ && !entries_.empty()) {
        bytes_ -= entries_.back().bytes;
        index_.remove(entries_.back().key);
        entries_.pop_back();
    }
}

bool PictureCache::Load(const QString& fileName, Picture& picture)
{
    const FileKey file = KeyOf(fileName);
    if (!file.Valid()) {
        picture.Clear();
        return false;
    }
    const QString key = PictureKey(file);
    if (const Entry* hit = Find(key)) {
        picture = hit->picture;
        return true;
    }
    ++decodes_;
    if (!picture.Load(fileName))
        return false;
    Entry entry;
    entry.key = key;
    entry.picture = picture;
    entry.bytes = PictureBytes(picture);
    Insert(std::move(entry));
    return true;
}

QImage PictureCache::Face(const QString& fileName, QSize size, const QString& drawing)
{
    const FileKey file = KeyOf(fileName);
    if (!file.Valid())
        return QImage();
    const Entry* hit = Find(FaceKey(file, size, drawing));
    return hit ? hit->face : QImage();
}

void PictureCache::StoreFace(const QString& fileName, QSize size, const QString& drawing, const QImage& face)
{
    const FileKey file = KeyOf(fileName);
    if (!file.Valid() || face.isNull())
        return;
    Entry entry;
    entry.key = FaceKey(file, size, drawing);
    entry.face = face;
    entry.bytes = qint64(face.sizeInBytes());
    Insert(std::move(entry));
}

void PictureCache::SetList(const QString& listKey)
{
    if (listKey.compare(list_, Qt::CaseInsensitive) == 0)
        return;
    list_ = listKey;
    Clear();
}

void PictureCache::Clear()
{
    entries_.clear();
    index_.clear();
    bytes_ = 0;
}

PictureCache& SharedPictureCache()
{
    static PictureCache cache;
    return cache;
}
