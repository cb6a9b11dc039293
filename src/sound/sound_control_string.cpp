#include "sound/sound_control_string.h"

#include "platform/messages.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace {

std::optional<int> ParseDecimal(const QString& text)
{
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i >= text.size() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return negative ? -value : value;
}

int Clamp(qint64 v, qint64 lo, qint64 hi)
{
    return int(std::clamp(v, lo, hi));
}

// Step 2: a position in eighths of a percent as a byte offset on a frame.
qint64 ByteOffset(qint64 length, int eighths, int frame)
{
    const qint64 at = std::clamp<qint64>(length * eighths / 800, 0, length);
    return at - at % frame;
}

// Calls f with the size as a compile-time constant for the common sizes, so
// the per-sample copies below become plain moves.
template <class F>
void WithSize(int size, F&& f)
{
    switch (size) {
    case 1: f(std::integral_constant<int, 1>{}); break;
    case 2: f(std::integral_constant<int, 2>{}); break;
    case 4: f(std::integral_constant<int, 4>{}); break;
    default: f(size); break;
    }
}

void Reverse(char* data, qint64 start, qint64 end, int sampleSize)
{
    WithSize(sampleSize, [&](auto size) {
        const qint64 pairs = (end - start) / (2 * size);
        for (qint64 h = 0; h < pairs; ++h)
            std::swap_ranges(data + start + h * size, data + start + (h + 1) * size, data + end - (h + 1) * size);
    });
}

qint16 Scale16(qint16 s, int gain)
{
    // The shifts round toward minus infinity, unlike the division.
    switch (gain) {
    case 4096: return s;
    case 2048: return qint16(s >> 1);
    case 1024: return qint16(s >> 2);
    case 0: return 0;
    default: return qint16(std::clamp(int(s) * gain / 4096, -32768, 32767));
    }
}

void Scale(char* data, qint64 start, qint64 end, const WaveFormat& fmt, const ChannelGains& g)
{
    const int channels = fmt.channels;
    if (fmt.bitsPerSample == 8) {
        auto* p = reinterpret_cast<unsigned char*>(data);
        if (channels == 1) {
            if (g.mono == 64)
                return;
            for (qint64 i = start; i < end; ++i)
                p[i] = (unsigned char)std::clamp((int(p[i]) - 128) * g.mono / 64 + 128, 0, 255);
            return;
        }
        for (qint64 i = start; i < end; i += channels) {
            for (int c = 0; c < std::min(channels, 2); ++c) {
                const int gain = c == 0 ? g.left : g.right;
                p[i + c] = (unsigned char)std::clamp((int(p[i + c]) - 128) * gain / 4096 + 128, 0, 255);
            }
        }
        return;
    }
    if (fmt.bitsPerSample != 16)
        return;
    if (channels == 1) {
        if (g.mono == 64)
            return;
        for (qint64 i = start; i + 1 < end; i += 2) {
            const int s = qFromLittleEndian<qint16>(data + i);
            qToLittleEndian<qint16>(qint16(std::clamp(s * g.mono / 64, -32768, 32767)), data + i);
        }
        return;
    }
    if (g.left == 4096 && g.right == 4096)
        return;
    const qint64 frame = 2 * channels;
    for (const auto& [offset, gain] : {std::pair{0, g.left}, std::pair{2, g.right}}) {
        if (gain == 4096)
            continue;
        for (qint64 i = start + offset; i + 2 <= end; i += frame)
            qToLittleEndian<qint16>(Scale16(qFromLittleEndian<qint16>(data + i), gain), data + i);
    }
}

bool Allocate(QByteArray& block, qint64 size, qint64 maxBlock)
{
    if (size > maxBlock)
        return false;
    try {
        block = QByteArray(size, Qt::Uninitialized);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace

int ReadControlField(const QString& text, int position, int length, int fallback)
{
    if (position < 0 || position >= text.size())
        return fallback;
    QString field = text.mid(position);
    const int blank = field.indexOf(u' ');
    if (blank >= 0)
        field.truncate(blank);
    field.truncate(length);
    if (const auto value = ParseDecimal(field))
        return *value;
    if (length == 1 && field.size() == 1) {
        bool ok = false;
        const int hex = field.toInt(&ok, 16);
        if (ok)
            return hex;
    }
    return fallback;
}

SoundControl ReadSoundControlString(const QString& text)
{
    const QString& s = text.size() == kSoundControlLength ? text : kDefaultSoundControlString;
    SoundControl c;
    c.startNotice = s[0] != u' ';
    c.repeat = ReadControlField(s, 1, 3, 1);
    c.volume = ReadControlField(s, 4, 3, 100);
    c.balance = ReadControlField(s, 7, 3, 50);
    c.number = ReadControlField(s, 10, 3, 0);
    c.duration = ReadControlField(s, 13, 3, 100);
    c.start = ReadControlField(s, 16, 3, 0);
    c.end = ReadControlField(s, 19, 3, 800);
    return c;
}

MidiControl ReadMidiControl(const QString& text)
{
    const QString& s = text.size() == kSoundControlLength ? text : kDefaultSoundControlString;
    return MidiControl{ReadControlField(s, 1, 3, 1), ReadControlField(s, 16, 3, 0), ReadControlField(s, 19, 3, 100)};
}

StretchRatio StretchRatioFor(int d)
{
    // d is the duration in percent; the table is in hundredths of it.
    static const struct {
        int below;
        StretchRatio ratio;
    } shorter[] = {{17, {1, 10}}, {23, {1, 5}}, {30, {1, 4}}, {44, {1, 3}}, {55, {1, 2}}, {62, {3, 5}},
                   {70, {2, 3}},  {78, {3, 4}}, {85, {4, 5}}, {87, {6, 7}}, {92, {9, 10}}, {97, {14, 15}}};
    for (const auto& row : shorter)
        if (d < row.below)
            return row.ratio;
    if (d <= 109)
        return {1, 1};
    const int tenths = d / 10;
    if (tenths <= 13)
        return {5, 4};
    if (tenths <= 16)
        return {3, 2};
    if (tenths <= 22)
        return {2, 1};
    if (tenths <= 30)
        return {3, 1};
    return {1, 1};
}

ChannelGains GainsFor(int volume, int balance)
{
    const int b = std::clamp(balance, 0, 100);
    int left = 100;
    int right = 100;
    if (b > 50)
        left = (100 - b) * 100 / b;
    else if (b < 50)
        right = b * 100 / (100 - b);
    const int v = std::max(volume, 0) * 64 / 100;
    const int l = left * 64 / 100;
    const int r = right * 64 / 100;
    return ChannelGains{v, l * v, r * v};
}

ProcessedSound ProcessSound(const QString& controlString, WavImage wav, qint64 maxBlock)
{
    const SoundControl c = ReadSoundControlString(controlString);
    const WaveFormat& fmt = wav.format;
    ProcessedSound out;
    out.format = fmt;
    out.repeat = c.repeat;
    out.startNotice = c.startNotice;
    const int sampleSize = fmt.bitsPerSample / 8;
    const int frame = sampleSize * fmt.channels;
    // Only 8 and 16-bit samples of up to eight channels are processed; loading
    // converts every other encoding into one of these first.
    if (frame == 0 || sampleSize > 2 || fmt.channels > kMaxChannels) {
        ShowMessage(QStringLiteral("Kein gültiges Wav-Format!"), MessageIcon::Error,
                    QStringLiteral("Sound kann nicht abgespielt werden!"));
        out.start = wav.dataOffset;
        out.length = wav.dataLength;
        out.block = std::move(wav.bytes);
        return out;
    }

    // Offsets below are relative to the start of the data.
    QByteArray block = std::move(wav.bytes);
    char* data = block.data() + wav.dataOffset;
    const qint64 L = wav.dataLength;
    qint64 start = ByteOffset(L, Clamp(c.start, 0, 800), frame);
    qint64 end = ByteOffset(L, Clamp(c.end, 0, 800), frame);
    if (end < start) {
        std::swap(start, end);
        Reverse(data, start, end, sampleSize);
    }
    if (start < end)
        end = std::max(start, end - 2 * frame);

    Scale(data, start, end, fmt, GainsFor(c.volume, c.balance));

    qint64 base = wav.dataOffset; // where offsets start inside block
    const StretchRatio ratio = StretchRatioFor(c.duration);
    const qint64 groups = (end - start) / frame / ratio.n;
    if (ratio.k < ratio.n) {
        for (qint64 g = 0; g < groups; ++g)
            std::memmove(data + start + g * ratio.k * frame, data + start + g * ratio.n * frame,
                         size_t(ratio.k * frame));
        end = groups > 0 ? start + (groups * ratio.k - 1) * frame : start;
    } else if (ratio.k > ratio.n) {
        QByteArray longer;
        if (Allocate(longer, (end - start) * ratio.k / ratio.n + 4, maxBlock)) {
            char* dst = longer.data();
            WithSize(frame, [&](auto size) {
                for (qint64 g = 0; g < groups; ++g) {
                    const char* src = data + start + g * ratio.n * size;
                    for (int t = 0; t < ratio.k; ++t, dst += size)
                        std::memcpy(dst, src + std::min(t, ratio.n - 1) * size, size_t(size));
                }
            });
            const qint64 written = dst - longer.data();
            block = std::move(longer);
            base = 0;
            start = 0;
            end = std::max<qint64>(0, written - frame);
        } else {
            out.stretchRefused = true;
        }
    }

    const qint64 length = end - start;
    if (c.repeat >= 2 && qint64(c.repeat) * length <= kMaxRepeatCopy) {
        QByteArray copies;
        if (Allocate(copies, c.repeat * length + 4, maxBlock)) {
            for (int i = 0; i < c.repeat; ++i)
                std::memcpy(copies.data() + i * length, block.constData() + base + start, size_t(length));
            block = std::move(copies);
            base = 0;
            start = 0;
            out.repeat = 1;
            out.length = length * c.repeat;
            out.block = std::move(block);
            return out;
        }
    }
    out.block = std::move(block);
    out.start = base + start;
    out.length = length;
    return out;
}
