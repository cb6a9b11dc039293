#include "klassenuebersicht/summary_cache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

#include <limits>

namespace {

constexpr char kMagic[] = "LRBSUM";
// Raised whenever what a summary holds or how it is drawn from the rows
// changes (the error-kind rules too), so older caches are rebuilt.
constexpr quint32 kVersion = 1;

class Writer {
public:
    void U32(quint32 v)
    {
        for (int i = 0; i < 4; ++i)
            bytes_ += char((v >> (8 * i)) & 0xff);
    }
    void I64(qint64 v)
    {
        const quint64 u = quint64(v);
        for (int i = 0; i < 8; ++i)
            bytes_ += char((u >> (8 * i)) & 0xff);
    }
    void Int(int v) { U32(quint32(v)); }
    void Text(const QString& s)
    {
        U32(quint32(s.size()));
        for (const QChar c : s) {
            bytes_ += char(c.unicode() & 0xff);
            bytes_ += char(c.unicode() >> 8);
        }
    }
    void Date(const QDate& d) { I64(d.isValid() ? d.toJulianDay() : std::numeric_limits<qint64>::min()); }
    void Tally(const ExerciseTally& t)
    {
        Text(t.exercise);
        Int(t.sessions);
        Int(t.words);
        Int(t.answers);
        Int(t.firstTry);
        Date(t.last);
        U32(quint32(t.days.size()));
        for (const DayCount& d : t.days) {
            Date(d.day);
            Int(d.answers);
            Int(d.firstTry);
        }
    }
    void Summary(const PupilSummary& s)
    {
        Tally(s.all);
        U32(quint32(s.exercises.size()));
        for (const ExerciseTally& t : s.exercises)
            Tally(t);
        U32(quint32(s.weeks.size()));
        for (const WeekFigures& w : s.weeks) {
            Date(w.monday);
            Int(w.answers);
            Int(w.firstTry);
        }
        U32(quint32(s.stillWrong.size()));
        for (const QString& w : s.stillWrong)
            Text(w);
        U32(quint32(s.kinds.size()));
        for (const ErrorKindFigures& k : s.kinds) {
            Int(int(k.kind));
            Int(k.count);
            U32(quint32(k.examples.size()));
            for (const QString& e : k.examples)
                Text(e);
        }
        U32(quint32(s.missed.size()));
        for (const WordMisses& m : s.missed) {
            Text(m.word);
            Int(m.wrong);
        }
    }
    QByteArray& Bytes() { return bytes_; }

private:
    QByteArray bytes_;
};

// Reads what Writer wrote; any read past the end or any value out of its
// range makes the reader fail, and a failed reader reads only zeros.
class Reader {
public:
    Reader(const char* data, qsizetype size) : p_(data), end_(data + size) {}

    bool Ok() const { return ok_; }
    bool AtEnd() const { return p_ == end_; }

    quint32 U32()
    {
        if (!Need(4))
            return 0;
        quint32 v = 0;
        for (int i = 0; i < 4; ++i)
            v |= quint32(quint8(p_[i])) << (8 * i);
        p_ += 4;
        return v;
    }
    qint64 I64()
    {
        if (!Need(8))
            return 0;
        quint64 v = 0;
        for (int i = 0; i < 8; ++i)
            v |= quint64(quint8(p_[i])) << (8 * i);
        p_ += 8;
        return qint64(v);
    }
    int Count()
    {
        // Every element takes at least four bytes: a count beyond that is damage.
        const quint32 n = U32();
        if (n > quint32((end_ - p_) / 4))
            ok_ = false;
        return ok_ ? int(n) : 0;
    }
    int Int() { return int(U32()); }
    int NonNegative()
    {
        const int v = Int();
        if (v < 0)
            ok_ = false;
        return ok_ ? v : 0;
    }
    QString Text()
    {
        const quint32 n = U32();
        if (!ok_ || n > quint32((end_ - p_) / 2)) {
            ok_ = false;
            return {};
        }
        QString s(qsizetype(n), Qt::Uninitialized);
        for (quint32 i = 0; i < n; ++i)
            s[qsizetype(i)] = QChar(char16_t(quint8(p_[2 * i]) | (quint8(p_[2 * i + 1]) << 8)));
        p_ += 2 * qsizetype(n);
        return s;
    }
    QDate Date()
    {
        const qint64 day = I64();
        if (day == std::numeric_limits<qint64>::min())
            return {};
        const QDate d = QDate::fromJulianDay(day);
        if (!d.isValid())
            ok_ = false;
        return d;
    }
    ExerciseTally Tally()
    {
        ExerciseTally t;
        t.exercise = Text();
        t.sessions = NonNegative();
        t.words = NonNegative();
        t.answers = NonNegative();
        t.firstTry = NonNegative();
        t.last = Date();
        for (int i = 0, n = Count(); ok_ && i < n; ++i) {
            DayCount d;
            d.day = Date();
            d.answers = NonNegative();
            d.firstTry = NonNegative();
            t.days << d;
        }
        return t;
    }
    PupilSummary Summary()
    {
        PupilSummary s;
        s.all = Tally();
        for (int i = 0, n = Count(); ok_ && i < n; ++i)
            s.exercises << Tally();
        for (int i = 0, n = Count(); ok_ && i < n; ++i) {
            WeekFigures w;
            w.monday = Date();
            w.answers = NonNegative();
            w.firstTry = NonNegative();
            s.weeks << w;
        }
        for (int i = 0, n = Count(); ok_ && i < n; ++i)
            s.stillWrong << Text();
        for (int i = 0, n = Count(); ok_ && i < n; ++i) {
            ErrorKindFigures k;
            const int kind = Int();
            if (kind < 0 || kind >= kErrorKindCount)
                ok_ = false;
            k.kind = ok_ ? ErrorKind(kind) : ErrorKind::OtherLetter;
            k.count = NonNegative();
            for (int e = 0, m = Count(); ok_ && e < m; ++e)
                k.examples << Text();
            s.kinds << k;
        }
        for (int i = 0, n = Count(); ok_ && i < n; ++i) {
            WordMisses m;
            m.word = Text();
            m.wrong = NonNegative();
            s.missed << m;
        }
        return s;
    }

private:
    bool Need(qsizetype n)
    {
        if (!ok_ || end_ - p_ < n)
            ok_ = false;
        return ok_;
    }

    const char* p_;
    const char* end_;
    bool ok_ = true;
};

} // namespace

quint64 SummaryCacheChecksum(const char* data, qsizetype size)
{
    // FNV-1a, 64 bits: catches a cut or altered file, not a forged one (the
    // cache is the user's own).
    quint64 h = 14695981039346656037ull;
    for (qsizetype i = 0; i < size; ++i) {
        h ^= quint8(data[i]);
        h *= 1099511628211ull;
    }
    return h;
}

QByteArray SummaryCacheBytes(const QString& dataRoot, const QList<CachedHistory>& entries)
{
    Writer w;
    w.Bytes() += QByteArray(kMagic, 6);
    w.U32(kVersion);
    w.Text(dataRoot);
    w.U32(quint32(entries.size()));
    for (const CachedHistory& e : entries) {
        w.Text(e.path);
        w.I64(e.size);
        w.I64(e.modified);
        w.Summary(e.summary);
    }
    w.I64(qint64(SummaryCacheChecksum(w.Bytes().constData(), w.Bytes().size())));
    return w.Bytes();
}

bool ParseSummaryCache(const QByteArray& bytes, const QString& dataRoot, QList<CachedHistory>* entries)
{
    entries->clear();
    if (bytes.size() < 6 + 4 + 8 || !bytes.startsWith(QByteArrayView(kMagic, 6)))
        return false;
    const qsizetype body = bytes.size() - 8;
    const QByteArrayView all(bytes);
    Reader sum(all.sliced(body).data(), 8);
    if (quint64(sum.I64()) != SummaryCacheChecksum(all.data(), body))
        return false;
    const QByteArrayView rest = all.sliced(6, body - 6);
    Reader r(rest.data(), rest.size());
    if (r.U32() != kVersion || r.Text() != dataRoot)
        return false;
    QList<CachedHistory> read;
    for (int i = 0, n = r.Count(); r.Ok() && i < n; ++i) {
        CachedHistory e;
        e.path = r.Text();
        e.size = r.I64();
        e.modified = r.I64();
        e.summary = r.Summary();
        read << std::move(e);
    }
    if (!r.Ok() || !r.AtEnd())
        return false;
    *entries = std::move(read);
    return true;
}

QString SummaryCacheFile(const QString& dataRoot)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/lirabo/klassenuebersicht/");
    const QByteArray key = QCryptographicHash::hash(dataRoot.toUtf8(), QCryptographicHash::Sha1).toHex();
    return folder + QString::fromLatin1(key.left(16)) + QStringLiteral(".cache");
}
