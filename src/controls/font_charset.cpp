#include "controls/font_charset.h"

#include "platform/text_codec.h"

#include <QStringDecoder>

namespace {

const char* EncodingOf(int charset)
{
    switch (charset) {
    case 77: return "macintosh";
    case 128: return "Shift_JIS";
    case 129: return "windows-949";
    case 134: return "GBK";
    case 136: return "Big5";
    case 161: return "windows-1253";
    case 162: return "windows-1254";
    case 163: return "windows-1258";
    case 177: return "windows-1255";
    case 178: return "windows-1256";
    case 186: return "windows-1257";
    case 204: return "windows-1251";
    case 222: return "windows-874";
    case 238: return "windows-1250";
    case 255: return "IBM437";
    default: return nullptr;   // ANSI, default, symbol and the rest
    }
}

} // namespace

QString DecodeInCharset(const QByteArray& bytes, int charset)
{
    if (const char* name = EncodingOf(charset)) {
        QStringDecoder decoder(name);
        if (decoder.isValid()) {
            QString text = decoder.decode(bytes);
            if (!decoder.hasError())
                return text;
        }
    }
    return DecodeCp1252(bytes);
}
