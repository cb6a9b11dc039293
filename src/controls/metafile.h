#pragma once
// A vector picture: a Windows metafile (WMF) or an enhanced metafile (EMF),
// kept as its bytes and played through our own record players at any size.
#include "controls/metafile_players.h"

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QSize>

enum class MetafileFormat { Wmf, Emf };

// Mirroring values of the style string: none, left-right, top-bottom, both.
inline constexpr int kNoMirror = -1;

class Metafile {
public:
    Metafile() = default;
    // Recognises the format by the content; a null metafile when neither
    // header is valid.
    static Metafile FromBytes(const QByteArray& bytes);

    bool IsNull() const { return bytes_.isEmpty(); }
    MetafileFormat Format() const { return format_; }
    QSize NaturalSize() const { return info_.naturalSize; }
    const QByteArray& Bytes() const { return bytes_; }

    // Plays the picture into target, anti-aliased. mirror < 0: as it is;
    // 0: left-right; 1: top-bottom; 2 or more: both. keepProportions fits the
    // picture centred into target instead of stretching it. Drawing stays
    // inside target. False for a null metafile.
    bool Play(QPainter& painter, const QRectF& target, int mirror = kNoMirror, bool keepProportions = false) const;

private:
    QByteArray bytes_;
    MetafileFormat format_ = MetafileFormat::Emf;
    MetafileInfo info_;
};
