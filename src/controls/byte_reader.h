#pragma once
// Bounds-checked little-endian reads over a block of bytes. Reads outside the
// block give 0, so parsers of outside files never read past their input.
#include <QByteArray>
#include <cstdint>
#include <cstring>

class ByteReader {
public:
    ByteReader() = default;
    ByteReader(const uchar* data, qsizetype size) : data_(data), size_(size < 0 ? 0 : size) {}
    explicit ByteReader(const QByteArray& bytes)
        : data_(reinterpret_cast<const uchar*>(bytes.constData())), size_(bytes.size()) {}

    qsizetype Size() const { return size_; }
    const uchar* Data() const { return data_; }
    bool Has(qsizetype offset, qsizetype count) const
    {
        return offset >= 0 && count >= 0 && offset <= size_ && count <= size_ - offset;
    }
    // The part [offset, offset + count), clipped to the block.
    ByteReader Sub(qsizetype offset, qsizetype count) const
    {
        if (offset < 0 || offset > size_)
            return {};
        if (count < 0 || count > size_ - offset)
            count = size_ - offset;
        return ByteReader(data_ + offset, count);
    }

    quint8 U8(qsizetype o) const { return Has(o, 1) ? data_[o] : 0; }
    quint16 U16(qsizetype o) const { return Has(o, 2) ? quint16(data_[o] | (data_[o + 1] << 8)) : 0; }
    qint16 I16(qsizetype o) const { return qint16(U16(o)); }
    quint32 U32(qsizetype o) const
    {
        return Has(o, 4) ? quint32(data_[o]) | (quint32(data_[o + 1]) << 8) | (quint32(data_[o + 2]) << 16) |
                               (quint32(data_[o + 3]) << 24)
                         : 0;
    }
    qint32 I32(qsizetype o) const { return qint32(U32(o)); }
    float F32(qsizetype o) const
    {
        const quint32 bits = U32(o);
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }

private:
    const uchar* data_ = nullptr;
    qsizetype size_ = 0;
};
