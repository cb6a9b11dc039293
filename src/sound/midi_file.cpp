#include "sound/midi_file.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <map>

namespace {

constexpr int kDefaultTempo = 500000; // microseconds per quarter note

class Reader {
public:
    Reader(const uchar* p, qint64 size) : p_(p), size_(size) {}
    bool AtEnd() const { return pos_ >= size_; }
    bool Ok() const { return ok_; }
    int Byte()
    {
        if (pos_ >= size_) {
            ok_ = false;
            return 0;
        }
        return p_[pos_++];
    }
    // Variable-length quantity: at most four bytes.
    qint64 VarLen()
    {
        qint64 v = 0;
        for (int i = 0; i < 4; ++i) {
            const int b = Byte();
            v = (v << 7) | (b & 0x7f);
            if (!(b & 0x80))
                return v;
        }
        ok_ = false;
        return v;
    }
    void Skip(qint64 n)
    {
        if (n < 0 || n > size_ - pos_) {
            ok_ = false;
            pos_ = size_;
            return;
        }
        pos_ += n;
    }

private:
    const uchar* p_;
    qint64 size_;
    qint64 pos_ = 0;
    bool ok_ = true;
};

// Reads one track; adds its tempo changes and returns the tick of its end.
qint64 ReadTrack(const uchar* p, qint64 size, std::map<qint64, int>& tempos)
{
    Reader r(p, size);
    qint64 tick = 0;
    int status = 0;
    while (!r.AtEnd() && r.Ok()) {
        const qint64 delta = r.VarLen();
        const int b = r.Byte();
        if (!r.Ok())
            break; // a cut-off event does not count
        tick += delta;
        if (b < 0x80) {
            // Running status: b is the first data byte.
            if (status < 0x80)
                break;
            const int type = status & 0xf0;
            if (type != 0xc0 && type != 0xd0)
                r.Byte();
            continue;
        }
        if (b == 0xff) {
            const int type = r.Byte();
            const qint64 len = r.VarLen();
            if (type == 0x2f)
                break;
            if (type == 0x51 && len == 3) {
                const int hi = r.Byte();
                const int mid = r.Byte();
                const int t = (hi << 16) | (mid << 8) | r.Byte();
                if (t > 0)
                    tempos[tick] = t;
            } else {
                r.Skip(len);
            }
            continue;
        }
        if (b == 0xf0 || b == 0xf7) {
            r.Skip(r.VarLen());
            continue;
        }
        if (b >= 0xf0)
            continue; // system messages do not appear in files; take them as one byte
        status = b;
        const int type = b & 0xf0;
        r.Byte();
        if (type != 0xc0 && type != 0xd0)
            r.Byte();
    }
    return tick;
}

// Microseconds as milliseconds, held to a range that fits.
qint64 ToMs(double us)
{
    return qint64(std::min(us / 1000, 1e15));
}

} // namespace

std::optional<qint64> MidiLengthMs(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 size = bytes.size();
    if (size < 14 || std::memcmp(p, "MThd", 4) != 0)
        return std::nullopt;
    const qint64 headerLength = qFromBigEndian<quint32>(p + 4);
    if (headerLength < 6)
        return std::nullopt;
    const int division = qFromBigEndian<quint16>(p + 12);
    if (division == 0)
        return std::nullopt;

    std::map<qint64, int> tempos;
    qint64 lastTick = 0;
    int tracks = 0;
    qint64 pos = 8 + headerLength;
    while (pos + 8 <= size) {
        const qint64 length = qFromBigEndian<quint32>(p + pos + 4);
        const qint64 body = pos + 8;
        const qint64 available = std::min(length, size - body);
        if (std::memcmp(p + pos, "MTrk", 4) == 0) {
            lastTick = std::max(lastTick, ReadTrack(p + body, available, tempos));
            ++tracks;
        }
        pos = body + length;
    }
    if (tracks == 0)
        return std::nullopt;

    if (division & 0x8000) {
        // Time code: frames per second (negated in the high byte), ticks per frame.
        const int fps = -qint8(division >> 8);
        const int ticksPerFrame = division & 0xff;
        if (fps <= 0 || ticksPerFrame == 0)
            return std::nullopt;
        return ToMs(double(lastTick) * 1e6 / (double(fps) * ticksPerFrame));
    }
    // Musical time: sum the stretches between tempo changes.
    double us = 0;
    qint64 tick = 0;
    int tempo = kDefaultTempo;
    for (const auto& [at, t] : tempos) {
        if (at >= lastTick)
            break;
        us += double(at - tick) * tempo / division;
        tick = at;
        tempo = t;
    }
    us += double(lastTick - tick) * tempo / division;
    return ToMs(us);
}
