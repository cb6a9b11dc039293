#include "app/rtf_reader.h"

#include "platform/text_codec.h"

#include <QMap>
#include <cctype>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr int kMaxDepth = 200;

struct CharState {
    int font = -1;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int unicodeSkip = 1;
    bool skip = false;          // a destination that holds no text
    bool fontTable = false;
    RtfParagraph::Align align = RtfParagraph::Align::Left;
};

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : in_(bytes) {}

    RtfDocument Read()
    {
        if (!in_.startsWith("{\\rtf")) {
            for (const QString& line : SplitLines(DecodeCp1252(in_))) {
                RtfParagraph p;
                RtfRun run;
                run.text = line;
                p.runs.append(run);
                doc_.paragraphs.append(p);
            }
            return doc_;
        }
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                if (stack_.size() >= kMaxDepth)
                    break;
                stack_.append(state_);
                continue;
            }
            if (c == '}') {
                if (stack_.isEmpty())
                    break;
                state_ = stack_.takeLast();
                if (stack_.isEmpty())
                    break;   // the end of the document
                continue;
            }
            if (c == '\\') {
                ControlWord();
                continue;
            }
            if (c == '\r' || c == '\n')
                continue;
            AddText(QString(DecodeCp1252(QByteArray(1, c))));
        }
        EndParagraph(false);
        return doc_;
    }

private:
    void ControlWord()
    {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            ControlSymbol(c);
            return;
        }
        QByteArray word;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_])) && word.size() < 32)
            word += in_[pos_++];
        bool hasValue = false;
        bool negative = false;
        long value = 0;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        int digits = 0;
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            if (digits++ < 9)
                value = value * 10 + (in_[pos_] - '0');
            hasValue = true;
            ++pos_;
        }
        if (negative)
            value = -value;
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;
        Apply(word, hasValue, int(value));
    }

    void ControlSymbol(char c)
    {
        switch (c) {
        case '\\': case '{': case '}': AddText(QString(QChar(c))); break;
        case '~': AddText(QString(QChar(0xA0))); break;
        case '_': AddText(QStringLiteral("-")); break;
        case '\r': case '\n': EndParagraph(true); break;
        case '*': state_.skip = true; break;   // a destination this reader does not know
        case '\'': {
            if (pos_ + 2 > in_.size())
                break;
            bool ok = false;
            const int code = in_.mid(pos_, 2).toInt(&ok, 16);
            pos_ += 2;
            if (ok)
                AddText(DecodeCp1252(QByteArray(1, char(code))));
            break;
        }
        default: break;
        }
    }

    void Apply(const QByteArray& w, bool hasValue, int value)
    {
        const bool on = !hasValue || value != 0;
        if (w == "par") {
            EndParagraph(true);
        } else if (w == "line") {
            EndParagraph(true);
        } else if (w == "tab") {
            AddText(QStringLiteral("\t"));
        } else if (w == "pard") {
            state_.align = RtfParagraph::Align::Left;
        } else if (w == "plain") {
            state_.halfPoints = 24;
            state_.bold = state_.italic = state_.underline = false;
            state_.font = defaultFont_;
        } else if (w == "qc") {
            state_.align = RtfParagraph::Align::Centre;
        } else if (w == "qr") {
            state_.align = RtfParagraph::Align::Right;
        } else if (w == "qj") {
            state_.align = RtfParagraph::Align::Justify;
        } else if (w == "ql") {
            state_.align = RtfParagraph::Align::Left;
        } else if (w == "fs") {
            if (hasValue && value > 0 && value <= 3276)
                state_.halfPoints = value;
        } else if (w == "b") {
            state_.bold = on;
        } else if (w == "i") {
            state_.italic = on;
        } else if (w == "ul") {
            state_.underline = on;
        } else if (w == "ulnone") {
            state_.underline = false;
        } else if (w == "f") {
            state_.font = value;
            if (state_.fontTable)
                fontName_.clear();
        } else if (w == "deff") {
            defaultFont_ = value;
            state_.font = value;
        } else if (w == "uc") {
            state_.unicodeSkip = qBound(0, value, 8);
        } else if (w == "u") {
            AddText(QString(QChar(char16_t(value < 0 ? value + 65536 : value))));
            SkipFallback();
        } else if (w == "fonttbl") {
            state_.fontTable = true;
        } else if (w == "colortbl" || w == "stylesheet" || w == "info" || w == "pict" || w == "object"
                   || w == "header" || w == "footer" || w == "footnote" || w == "fldinst") {
            state_.skip = true;
        }
    }

    // The letters after "\uN" that stand in for readers without Unicode.
    void SkipFallback()
    {
        for (int n = 0; n < state_.unicodeSkip && pos_ < in_.size(); ++n) {
            if (in_[pos_] == '\\' && pos_ + 1 < in_.size() && in_[pos_ + 1] == '\'')
                pos_ = qMin(pos_ + 4, in_.size());
            else if (in_[pos_] == '{' || in_[pos_] == '}' || in_[pos_] == '\\')
                break;
            else
                ++pos_;
        }
    }

    void AddText(const QString& text)
    {
        if (state_.fontTable) {
            for (QChar ch : text) {
                if (ch == u';') {
                    fonts_.insert(state_.font, fontName_.trimmed());
                    fontName_.clear();
                } else {
                    fontName_ += ch;
                }
            }
            return;
        }
        if (state_.skip)
            return;
        hasText_ = true;
        const QString family = fonts_.value(state_.font);
        if (!current_.runs.isEmpty()) {
            RtfRun& last = current_.runs.last();
            if (last.fontFamily == family && last.halfPoints == state_.halfPoints && last.bold == state_.bold
                && last.italic == state_.italic && last.underline == state_.underline) {
                last.text += text;
                current_.align = state_.align;
                return;
            }
        }
        current_.runs.append(RtfRun{text, family, state_.halfPoints, state_.bold, state_.italic, state_.underline});
        current_.align = state_.align;
    }

    void EndParagraph(bool always)
    {
        if (state_.skip || state_.fontTable)
            return;
        if (!always && !hasText_)
            return;
        if (current_.runs.isEmpty())
            current_.runs.append(RtfRun{QString(), fonts_.value(state_.font), state_.halfPoints, state_.bold,
                                        state_.italic, state_.underline});
        current_.align = state_.align;
        doc_.paragraphs.append(current_);
        current_ = RtfParagraph();
        hasText_ = false;
    }

    const QByteArray& in_;
    qsizetype pos_ = 0;
    QList<CharState> stack_;
    CharState state_;
    int defaultFont_ = 0;
    QMap<int, QString> fonts_;
    QString fontName_;
    RtfParagraph current_;
    bool hasText_ = false;
    RtfDocument doc_;
};

Qt::Alignment ToQt(RtfParagraph::Align a)
{
    switch (a) {
    case RtfParagraph::Align::Centre: return Qt::AlignHCenter;
    case RtfParagraph::Align::Right: return Qt::AlignRight;
    case RtfParagraph::Align::Justify: return Qt::AlignJustify;
    case RtfParagraph::Align::Left: break;
    }
    return Qt::AlignLeft;
}

} // namespace

QString RtfParagraph::Text() const
{
    QString text;
    for (const RtfRun& r : runs)
        text += r.text;
    return text;
}

QStringList RtfDocument::Lines() const
{
    QStringList lines;
    for (const RtfParagraph& p : paragraphs)
        lines.append(p.Text());
    return lines;
}

RtfDocument ReadRtf(const QByteArray& bytes)
{
    return Reader(bytes).Read();
}

void FillTextDocument(QTextDocument& target, const RtfDocument& document)
{
    target.clear();
    QTextCursor cursor(&target);
    bool first = true;
    for (const RtfParagraph& p : document.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(ToQt(p.align));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const RtfRun& r : p.runs) {
            QTextCharFormat f;
            if (!r.fontFamily.isEmpty())
                f.setFontFamilies({r.fontFamily});
            f.setFontPointSize(r.halfPoints / 2.0);
            f.setFontWeight(r.bold ? QFont::Bold : QFont::Normal);
            f.setFontItalic(r.italic);
            f.setFontUnderline(r.underline);
            if (r.text.isEmpty())
                cursor.setBlockCharFormat(f);
            else
                cursor.insertText(r.text, f);
        }
    }
}
