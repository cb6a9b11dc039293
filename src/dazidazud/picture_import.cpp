#include "dazidazud/picture_import.h"

#include "controls/picture.h"
#include "dazidazud/entry_lookup.h"
#include "data/path_helpers.h"
#include "platform/file_paths.h"
#include "platform/text_codec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace {

QString Quoted(const QString& name)
{
    return QStringLiteral("\u201E%1\u201C").arg(name);
}

QString Unreadable(const QString& name)
{
    return QStringLiteral("Das Bild %1 lässt sich nicht lesen. Es wurde nichts übernommen.").arg(Quoted(name));
}

// Bytes of the image in the given format ("png", "jpg").
QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (qstrcmp(format, "jpg") == 0)
        writer.setQuality(90);
    return writer.write(image) ? bytes : QByteArray();
}

QImage ScaledToFit(const QImage& image)
{
    if (std::max(image.width(), image.height()) <= kMaxPictureSide)
        return image;
    return image.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// Any format Qt reads (PPM, XPM, TIFF, WebP, SVG ... as installed).
QImage ReadOtherFormat(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > (qint64(1) << 25))
        return QImage();
    return reader.read();
}

} // namespace

PictureImport ImportPicture(const QString& sourcePath, const QString& baseName)
{
    PictureImport result;
    const QFileInfo info(NativePath(sourcePath));
    const QString name = info.fileName();
    QFile file(info.filePath());
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(Quoted(sourcePath));
        return result;
    }
    if (info.size() > kMaxPictureFileBytes) {
        result.error = QStringLiteral("Die Datei %1 ist zu groß für ein Bild.").arg(Quoted(name));
        return result;
    }
    const QByteArray bytes = file.readAll();
    QString extension = info.suffix().toLower();
    QByteArray output;
    const PictureKind kind = PictureKindOf(name);
    if (kind != PictureKind::None) {
        Picture picture;
        if (!picture.LoadBytes(bytes, name)) {
            result.error = Unreadable(name);
            return result;
        }
        output = bytes;
        const QSize size = picture.NaturalSize();
        if (kind == PictureKind::Bitmap && std::max(size.width(), size.height()) > kMaxPictureSide) {
            const bool photo = extension == QLatin1String("jpg") || extension == QLatin1String("jpeg");
            extension = photo ? QStringLiteral("jpg") : QStringLiteral("png");
            output = Encoded(ScaledToFit(picture.Image()), photo ? "jpg" : "png");
        }
    } else {
        const QImage image = ReadOtherFormat(bytes);
        if (image.isNull()) {
            result.error = Unreadable(name) +
                           QStringLiteral(" Bilder in den Formaten PNG, JPEG, GIF, BMP, WMF und EMF lassen sich immer übernehmen.");
            return result;
        }
        extension = QStringLiteral("png");
        output = Encoded(ScaledToFit(image), "png");
    }
    const QString base = AsciiFileName(baseName).isEmpty() ? QStringLiteral("Bild") : AsciiFileName(baseName);
    const QString target = UniqueFileName(QStringLiteral("Bilder\\"), base, u'.' + extension);
    if (output.isEmpty() || !WriteFileAtomically(target, output, true)) {
        result.error = QStringLiteral("Das Bild kann nicht in den Ordner %1 geschrieben werden.").arg(Quoted(QStringLiteral("Bilder")));
        return result;
    }
    // What the exercises cannot show is not left behind.
    Picture written;
    if (!written.Load(target)) {
        QFile::remove(NativePath(target));
        result.error = Unreadable(name);
        return result;
    }
    result.listPath = ListPathOf(NativePath(target));
    return result;
}
