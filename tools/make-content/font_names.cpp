#include "font_names.h"

#include <QList>
#include <algorithm>
#include <cstdint>

namespace {

struct Table {
    QByteArray tag;
    QByteArray data;
};

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : b_(bytes) {}
    bool Has(qsizetype at, qsizetype n) const { return at >= 0 && n >= 0 && at <= b_.size() - n; }
    uint16_t U16(qsizetype at) const
    {
        return uint16_t((uint8_t(b_[at]) << 8) | uint8_t(b_[at + 1]));
    }
    uint32_t U32(qsizetype at) const { return (uint32_t(U16(at)) << 16) | U16(at + 2); }

private:
    const QByteArray& b_;
};

void PutU16(QByteArray& out, uint16_t v)
{
    out.append(char(v >> 8));
    out.append(char(v & 0xFF));
}

void PutU32(QByteArray& out, uint32_t v)
{
    PutU16(out, uint16_t(v >> 16));
    PutU16(out, uint16_t(v & 0xFFFF));
}

void SetU32(QByteArray& out, qsizetype at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = char((v >> (24 - 8 * i)) & 0xFF);
}

uint32_t Checksum(const QByteArray& data)
{
    uint32_t sum = 0;
    for (qsizetype i = 0; i < data.size(); i += 4) {
        uint32_t word = 0;
        for (int k = 0; k < 4; ++k)
            word = (word << 8) | (i + k < data.size() ? uint8_t(data[i + k]) : 0);
        sum += word;
    }
    return sum;
}

// Name ids that carry the family: family, unique id, full name, PostScript
// name, typographic family, WWS family.
bool IsFamilyName(uint16_t id)
{
    return id == 1 || id == 3 || id == 4 || id == 6 || id == 16 || id == 21;
}

QByteArray Encoded(const QString& text, uint16_t platform)
{
    QByteArray out;
    if (platform == 1) {   // Macintosh, single byte
        return text.toLatin1();
    }
    for (const QChar c : text)   // Unicode and Windows: UTF-16 big endian
        PutU16(out, c.unicode());
    return out;
}

std::optional<QByteArray> RenamedNameTable(const QByteArray& name, const QString& family)
{
    const Reader r(name);
    if (!r.Has(0, 6))
        return std::nullopt;
    const uint16_t format = r.U16(0), count = r.U16(2), stringOffset = r.U16(4);
    if (format != 0 || !r.Has(6, qsizetype(count) * 12) || stringOffset > name.size())
        return std::nullopt;
    QByteArray records, strings;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + qsizetype(i) * 12;
        const uint16_t platform = r.U16(at), encoding = r.U16(at + 2), language = r.U16(at + 4);
        const uint16_t id = r.U16(at + 6), length = r.U16(at + 8), offset = r.U16(at + 10);
        QByteArray text;
        if (IsFamilyName(id)) {
            text = Encoded(family, platform);
        } else {
            if (!r.Has(qsizetype(stringOffset) + offset, length))
                return std::nullopt;
            text = name.mid(qsizetype(stringOffset) + offset, length);
        }
        if (strings.size() + text.size() > 0xFFFF)
            return std::nullopt;
        PutU16(records, platform);
        PutU16(records, encoding);
        PutU16(records, language);
        PutU16(records, id);
        PutU16(records, uint16_t(text.size()));
        PutU16(records, uint16_t(strings.size()));
        strings += text;
    }
    QByteArray out;
    PutU16(out, 0);
    PutU16(out, count);
    PutU16(out, uint16_t(6 + records.size()));
    return out + records + strings;
}

} // namespace

std::optional<QByteArray> RenameFontFamily(const QByteArray& font, const QString& family)
{
    for (const QChar c : family)
        if (c.unicode() < 0x21 || c.unicode() > 0x7E)
            return std::nullopt;
    const Reader r(font);
    if (!r.Has(0, 12))
        return std::nullopt;
    const uint16_t numTables = r.U16(4);
    if (numTables == 0 || !r.Has(12, qsizetype(numTables) * 16))
        return std::nullopt;
    QList<Table> tables;
    bool renamed = false;
    for (int i = 0; i < numTables; ++i) {
        const qsizetype at = 12 + qsizetype(i) * 16;
        const uint32_t offset = r.U32(at + 8), length = r.U32(at + 12);
        if (!r.Has(offset, length))
            return std::nullopt;
        Table t{font.mid(at, 4), font.mid(offset, length)};
        if (t.tag == "name") {
            const auto name = RenamedNameTable(t.data, family);
            if (!name)
                return std::nullopt;
            t.data = *name;
            renamed = true;
        }
        tables << t;
    }
    if (!renamed)
        return std::nullopt;

    // Offset table as the font had it, then the directory and the tables, each
    // padded to four bytes.
    QByteArray out = font.left(12);
    qsizetype offset = 12 + qsizetype(numTables) * 16;
    QByteArray body;
    qsizetype headAt = -1;
    for (const Table& t : tables) {
        out += t.tag;
        PutU32(out, t.tag == "head" && t.data.size() >= 12
                        ? Checksum(t.data.left(8) + QByteArray(4, '\0') + t.data.mid(12))
                        : Checksum(t.data));
        PutU32(out, uint32_t(offset));
        PutU32(out, uint32_t(t.data.size()));
        if (t.tag == "head" && t.data.size() >= 12)
            headAt = offset;
        QByteArray padded = t.data;
        padded.append(QByteArray((4 - padded.size() % 4) % 4, '\0'));
        body += padded;
        offset += padded.size();
    }
    out += body;
    if (headAt >= 0) {
        SetU32(out, headAt + 8, 0);
        SetU32(out, headAt + 8, 0xB1B0AFBAu - Checksum(out));
    }
    return out;
}
