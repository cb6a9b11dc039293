#pragma once
// A reader for the Rich Text Format documents the program writes (the result
// summary of the uncovering mode): groups, the font table, font sizes, bold,
// italic, underline, paragraph ends and alignment, "\'hh" and "\uN" letters
// and the escaped braces and backslash. Other control words are skipped, as
// are the groups of destinations that are not text. Reading ends with the
// outer group, so of two documents written one after the other only the
// first is read. Text that does not start with "{\rtf" is read as plain lines.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QTextDocument;

struct RtfRun {
    QString text;
    QString fontFamily;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct RtfParagraph {
    enum class Align { Left, Centre, Right, Justify };
    QList<RtfRun> runs;
    Align align = Align::Left;
    QString Text() const;
};

struct RtfDocument {
    QList<RtfParagraph> paragraphs;
    // The plain text of each paragraph.
    QStringList Lines() const;
};

// Windows-1252 bytes as the files hold them.
RtfDocument ReadRtf(const QByteArray& bytes);

// The document as formatted text.
void FillTextDocument(QTextDocument& target, const RtfDocument& document);
