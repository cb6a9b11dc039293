#include "klassenuebersicht/error_kinds.h"

#include "framework/history_row.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// Costs in halves: a related letter (umlaut and base, ß and s, voiced and
// voiceless, mirror letters) is cheaper than any other change, so "Baer"
// aligns as "ä" written "a" plus an extra "e".
constexpr int kRelated = 1;
constexpr int kChange = 2;

enum class Op { Match, Substitute, Missing, Extra, Swap };

struct Step {
    Op op;
    int w;  // position in the word (for Extra: the position before which it stands)
    int a;  // position in the attempt
};

bool IsVowel(QChar c)
{
    return QStringLiteral("aeiouäöüy").contains(c);
}

bool PairIs(QChar x, QChar y, char16_t p, char16_t q)
{
    return (x == p && y == q) || (x == q && y == p);
}

bool IsUmlautPair(QChar x, QChar y)
{
    return PairIs(x, y, u'ä', u'a') || PairIs(x, y, u'ö', u'o') || PairIs(x, y, u'ü', u'u') ||
           PairIs(x, y, u'ä', u'e');
}

bool IsHardeningPair(QChar x, QChar y)
{
    return PairIs(x, y, u'd', u't') || PairIs(x, y, u'b', u'p') || PairIs(x, y, u'g', u'k');
}

bool IsMirror(QChar c)
{
    return c == u'b' || c == u'd' || c == u'p' || c == u'q';
}

bool Related(QChar x, QChar y)
{
    return (IsUmlautPair(x, y) && !PairIs(x, y, u'ä', u'e')) || PairIs(x, y, u'ß', u's') || IsHardeningPair(x, y) || (IsMirror(x) && IsMirror(y));
}

// The cheapest edit scripts turning word, or a start of it, into attempt
// (both lower case).
class Alignment {
public:
    Alignment(const QString& word, const QString& attempt)
        : w_(word), a_(attempt), n_(int(word.size())), m_(int(attempt.size())), cost_(size_t((n_ + 1) * (m_ + 1)))
    {
        for (int i = 0; i <= n_; ++i)
            At(i, 0) = i * kChange;
        for (int j = 0; j <= m_; ++j)
            At(0, j) = j * kChange;
        for (int i = 1; i <= n_; ++i)
            for (int j = 1; j <= m_; ++j) {
                int best = At(i - 1, j - 1) + Substitution(i, j);
                best = std::min(best, At(i - 1, j) + kChange);
                best = std::min(best, At(i, j - 1) + kChange);
                if (SwapAt(i, j))
                    best = std::min(best, At(i - 2, j - 2) + kChange);
                At(i, j) = best;
            }
    }

    // The word's lengths whose start the attempt costs least against.
    std::vector<int> CheapestStarts() const
    {
        int least = At(0, m_);
        for (int i = 1; i <= n_; ++i)
            least = std::min(least, At(i, m_));
        std::vector<int> ends;
        for (int i = 0; i <= n_; ++i)
            if (At(i, m_) == least)
                ends.push_back(i);
        return ends;
    }

    // The script turning the first end letters of the word into the attempt.
    std::vector<Step> Steps(int end) const
    {
        std::vector<Step> steps;
        int i = end, j = m_;
        while (i > 0 || j > 0) {
            if (i > 0 && j > 0 && At(i, j) == At(i - 1, j - 1) + Substitution(i, j)) {
                steps.push_back({w_[i - 1] == a_[j - 1] ? Op::Match : Op::Substitute, i - 1, j - 1});
                --i, --j;
            } else if (SwapAt(i, j) && At(i, j) == At(i - 2, j - 2) + kChange) {
                steps.push_back({Op::Swap, i - 2, j - 2});
                i -= 2, j -= 2;
            } else if (i > 0 && At(i, j) == At(i - 1, j) + kChange) {
                steps.push_back({Op::Missing, i - 1, j});
                --i;
            } else {
                steps.push_back({Op::Extra, i, j - 1});
                --j;
            }
        }
        return {steps.rbegin(), steps.rend()};
    }

private:
    int& At(int i, int j) { return cost_[size_t(i * (m_ + 1) + j)]; }
    int At(int i, int j) const { return cost_[size_t(i * (m_ + 1) + j)]; }
    int Substitution(int i, int j) const
    {
        const QChar x = w_[i - 1], y = a_[j - 1];
        return x == y ? 0 : Related(x, y) ? kRelated : kChange;
    }
    bool SwapAt(int i, int j) const
    {
        return i > 1 && j > 1 && w_[i - 1] == a_[j - 2] && w_[i - 2] == a_[j - 1] && w_[i - 1] != w_[i - 2];
    }

    const QString& w_;
    const QString& a_;
    int n_, m_;
    std::vector<int> cost_;
};

class Classifier {
public:
    // Both lower case; the steps turn the word (or a start of it) into the attempt.
    Classifier(const QString& word, const QString& attempt) : w_(word), a_(attempt) {}

    QList<ErrorKind> Kinds(const std::vector<Step>& steps) const
    {
        // A letter written as two ("ae" for "ä", "ss" for "ß") or two as one
        // ("ß" for "ss"): the neighbouring extra or missing step belongs to the
        // wrong letter and is one mistake with it.
        std::vector<bool> used(steps.size(), false);
        std::vector<std::optional<ErrorKind>> paired(steps.size());
        for (size_t k = 0; k < steps.size(); ++k) {
            if (steps[k].op != Op::Substitute)
                continue;
            for (const size_t n : {k + 1, k - 1}) {
                if (n >= steps.size() || used[n])
                    continue;
                if ((paired[k] = PairKind(steps[k], steps[n]))) {
                    used[n] = true;
                    break;
                }
            }
        }
        QList<ErrorKind> kinds;
        for (size_t k = 0; k < steps.size(); ++k) {
            if (used[k])
                continue;
            const Step& s = steps[k];
            switch (s.op) {
            case Op::Match: break;
            case Op::Swap: kinds << ErrorKind::Swapped; break;
            case Op::Substitute: kinds << (paired[k] ? *paired[k] : OfSubstitute(s)); break;
            case Op::Missing: kinds << OfMissing(s); break;
            case Op::Extra: kinds << OfExtra(s); break;
            }
        }
        return kinds;
    }

private:
    QChar W(int i) const { return i >= 0 && i < w_.size() ? w_[i] : QChar(); }
    QChar A(int i) const { return i >= 0 && i < a_.size() ? a_[i] : QChar(); }

    // Only consonants follow position i up to the end of its word part.
    bool AtWordEnd(int i) const
    {
        for (int k = i + 1; k < w_.size() && w_[k] != u' '; ++k)
            if (IsVowel(w_[k]))
                return false;
        return true;
    }

    std::optional<ErrorKind> PairKind(const Step& s, const Step& n) const
    {
        const QChar x = W(s.w), y = A(s.a);
        if (n.op == Op::Extra && std::abs(n.a - s.a) == 1) {
            const QChar extra = A(n.a);
            if (n.a > s.a && extra == u'e' && ((x == u'ä' && y == u'a') || (x == u'ö' && y == u'o') ||
                                               (x == u'ü' && y == u'u')))
                return ErrorKind::Umlaut;
            if (x == u'ß' && y == u's' && extra == u's')
                return ErrorKind::SharpS;
        }
        if (n.op == Op::Missing && std::abs(n.w - s.w) == 1 && x == u's' && y == u'ß' && W(n.w) == u's')
            return ErrorKind::SharpS;
        return std::nullopt;
    }

    ErrorKind OfSubstitute(const Step& s) const
    {
        const QChar x = W(s.w), y = A(s.a);
        if (IsUmlautPair(x, y))
            return ErrorKind::Umlaut;
        if (PairIs(x, y, u'ß', u's'))
            return ErrorKind::SharpS;
        if (IsHardeningPair(x, y) && AtWordEnd(s.w))
            return ErrorKind::FinalHardening;
        if (IsMirror(x) && IsMirror(y))
            return ErrorKind::MirrorLetters;
        // "kk" for "ck", "zz" or "ts" for "tz", and the other way round.
        if ((x == u'c' && y == u'k' && W(s.w + 1) == u'k') || (x == u'k' && y == u'c' && A(s.a + 1) == u'k'))
            return ErrorKind::CkK;
        if ((x == u't' && y == u'z' && W(s.w + 1) == u'z') || (x == u'z' && y == u't' && A(s.a + 1) == u'z') ||
            (x == u'z' && y == u's' && W(s.w - 1) == u't'))
            return ErrorKind::TzZ;
        return ErrorKind::OtherLetter;
    }

    ErrorKind OfMissing(const Step& s) const
    {
        const QChar x = W(s.w);
        if (x == u'c' && W(s.w + 1) == u'k')
            return ErrorKind::CkK;
        if (x == u't' && W(s.w + 1) == u'z')
            return ErrorKind::TzZ;
        if (x == u's' && (W(s.w - 1) == u's' || W(s.w + 1) == u's'))
            return ErrorKind::SharpS;
        if (x == u'e' && W(s.w - 1) == u'i')
            return ErrorKind::LongVowel;
        if (x == u'h' && IsVowel(W(s.w - 1)))
            return ErrorKind::LongVowel;
        if (IsVowel(x) && (W(s.w - 1) == x || W(s.w + 1) == x))
            return ErrorKind::LongVowel;
        if (!IsVowel(x) && x.isLetter() && (W(s.w - 1) == x || W(s.w + 1) == x))
            return ErrorKind::DoubledConsonant;
        return ErrorKind::MissingLetter;
    }

    ErrorKind OfExtra(const Step& s) const
    {
        const QChar y = A(s.a);
        if (y == u'c' && A(s.a + 1) == u'k')
            return ErrorKind::CkK;
        if (y == u't' && A(s.a + 1) == u'z')
            return ErrorKind::TzZ;
        if (y == u's' && (A(s.a - 1) == u's' || A(s.a + 1) == u's'))
            return ErrorKind::SharpS;
        if (y == u'e' && A(s.a - 1) == u'i')
            return ErrorKind::LongVowel;
        if (y == u'h' && IsVowel(A(s.a - 1)))
            return ErrorKind::LongVowel;
        if (IsVowel(y) && (A(s.a - 1) == y || A(s.a + 1) == y))
            return ErrorKind::LongVowel;
        if (!IsVowel(y) && y.isLetter() && (A(s.a - 1) == y || A(s.a + 1) == y))
            return ErrorKind::DoubledConsonant;
        return ErrorKind::ExtraLetter;
    }

    QString w_, a_;
};

// Letters that differ only in case, where the rest is aligned as written.
int CaseMistakes(const QString& word, const QString& attempt, const std::vector<Step>& steps)
{
    int count = 0;
    for (const Step& s : steps)
        if (s.op == Op::Match && word[s.w] != attempt[s.a])
            ++count;
    return count;
}

bool IsPlainKind(ErrorKind kind)
{
    return kind == ErrorKind::MissingLetter || kind == ErrorKind::ExtraLetter || kind == ErrorKind::OtherLetter;
}

} // namespace

QString ErrorKindName(ErrorKind kind)
{
    static const std::array<const char16_t*, kErrorKindCount> names = {
        u"Auslautverhärtung (d/t, b/p, g/k)",
        u"Doppelkonsonant",
        u"ie und lange Vokale",
        u"ck oder k",
        u"tz oder z",
        u"ß, ss oder s",
        u"Groß- und Kleinschreibung",
        u"Umlaut",
        u"fehlender Buchstabe",
        u"zusätzlicher Buchstabe",
        u"vertauschte Buchstaben",
        u"b, d, p, q verwechselt",
        u"anderer Buchstabe",
    };
    const int i = int(kind);
    return i >= 0 && i < kErrorKindCount ? QString::fromUtf16(names[size_t(i)]) : QString();
}

QList<ErrorKind> ErrorKindsOf(const QString& word, const QString& attempt)
{
    // Attempts are capped by the exercises; the cap here bounds the alignment.
    constexpr int kLongest = 200;
    QString a = attempt.trimmed();
    const bool cutShort = a.endsWith(kAttemptCutShort);
    if (cutShort)
        a.chop(1);
    const QString w = word.trimmed().left(kLongest);
    a = a.left(kLongest);
    if (w == a)
        return {};
    const QString lw = w.toLower(), la = a.toLower();
    const Alignment alignment(lw, la);
    // A finished attempt stands for the whole word. One cut short stands for
    // a start of it: of the starts it fits best, the one whose mistakes have
    // a name in spelling ("Kaz…" is "Katz" without "t", not "Kat" with "z"),
    // then the one as long as the attempt, then the longest.
    std::vector<int> ends = cutShort ? alignment.CheapestStarts() : std::vector<int>{int(w.size())};
    QList<ErrorKind> best;
    int bestPlain = 0, bestEnd = 0;
    for (const int end : ends) {
        const std::vector<Step> steps = alignment.Steps(end);
        QList<ErrorKind> kinds;
        // (Lower case of a few letters is longer; their case is not judged.)
        if (lw.size() == w.size() && la.size() == a.size() && CaseMistakes(w, a, steps) > 0)
            kinds << ErrorKind::Capital;
        kinds << Classifier(lw, la).Kinds(steps);
        const int plain = int(std::count_if(kinds.cbegin(), kinds.cend(), IsPlainKind));
        const auto closer = [&](int e, int than) {
            const int d = std::abs(e - int(a.size())), dt = std::abs(than - int(a.size()));
            return d != dt ? d < dt : e > than;
        };
        if (end == ends.front() || plain < bestPlain || (plain == bestPlain && closer(end, bestEnd))) {
            best = kinds;
            bestPlain = plain;
            bestEnd = end;
        }
    }
    return best;
}
