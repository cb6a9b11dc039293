#include "klassenuebersicht/overview_report.h"

#include "klassenuebersicht/overview_tables.h"
#include "klassenuebersicht/weekly_chart.h"
#include "platform/file_paths.h"

#include <QPainter>
#include <QPrinter>

namespace {

class ReportPainter {
public:
    ReportPainter(QPrinter& printer, QPainter& painter) : printer_(printer), p_(painter)
    {
        page_ = printer.pageLayout().paintRectPixels(printer.resolution());
        page_.moveTo(0, 0);
        y_ = 0;
    }

    void Title(const QString& text)
    {
        QFont f = p_.font();
        f.setPointSizeF(16);
        f.setBold(true);
        Line(text, f);
    }
    void Heading(const QString& text)
    {
        QFont f = p_.font();
        f.setPointSizeF(12);
        f.setBold(true);
        y_ += Gap();
        Line(text, f);
    }
    void Text(const QString& text)
    {
        QFont f = p_.font();
        f.setPointSizeF(10);
        f.setBold(false);
        const QFontMetrics fm(f, &printer_);
        const QRect r = fm.boundingRect(QRect(0, 0, page_.width(), 100000), Qt::TextWordWrap, text);
        Room(r.height());
        p_.setFont(f);
        p_.drawText(QRect(0, y_, page_.width(), r.height()), Qt::TextWordWrap, text);
        y_ += r.height();
    }
    void Grid(const Table& table, int maxColumns)
    {
        QFont f = p_.font();
        f.setPointSizeF(9);
        const QFontMetrics fm(f, &printer_);
        const int columns = int(std::min<qsizetype>(table.header.size(), maxColumns));
        if (columns == 0)
            return;
        const int width = page_.width() / columns;
        const int h = fm.height() + fm.height() / 3;
        auto row = [&](const QStringList& cells, bool bold) {
            Room(h);
            QFont rf = f;
            rf.setBold(bold);
            p_.setFont(rf);
            for (int c = 0; c < columns && c < cells.size(); ++c)
                p_.drawText(QRect(c * width, y_, width - 4, h), Qt::AlignLeft | Qt::AlignVCenter,
                            QFontMetrics(rf, &printer_).elidedText(cells[c], Qt::ElideRight, width - 4));
            y_ += h;
            p_.setPen(QColor(0xcc, 0xcc, 0xcc));
            p_.drawLine(0, y_, columns * width, y_);
            p_.setPen(Qt::black);
        };
        row(table.header, true);
        for (const QVariantList& cells : table.rows) {
            QStringList texts;
            for (const QVariant& v : cells)
                texts << (v.typeId() == QMetaType::QDate ? v.toDate().toString(QStringLiteral("dd.MM.yyyy")) : v.toString());
            row(texts, false);
        }
    }
    void Chart(const QList<WeekFigures>& weeks)
    {
        const int h = page_.height() / 4;
        Room(h);
        QFont f = p_.font();
        f.setPointSizeF(8);
        p_.setFont(f);
        PaintWeeklyChart(p_, QRectF(0, y_, page_.width(), h), weeks);
        y_ += h;
    }
    void NewPage()
    {
        printer_.newPage();
        y_ = 0;
    }

private:
    int Gap() const { return page_.height() / 60; }
    void Room(int h)
    {
        if (y_ + h > page_.height() && y_ > 0)
            NewPage();
    }
    void Line(const QString& text, const QFont& f)
    {
        const QFontMetrics fm(f, &printer_);
        Room(fm.height());
        p_.setFont(f);
        p_.drawText(QRect(0, y_, page_.width(), fm.height()), Qt::AlignLeft, text);
        y_ += fm.height() + Gap() / 2;
    }

    QPrinter& printer_;
    QPainter& p_;
    QRect page_;
    int y_;
};

} // namespace

bool WriteReportPdf(const QString& path, const QList<PupilHistory>& pupils, bool withClassPage, const QDate& today)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(NativePath(path));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(150);
    printer.setDocName(QStringLiteral("Klassenübersicht"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    ReportPainter report(printer, painter);
    const QString date = today.toString(QStringLiteral("dd.MM.yyyy"));
    bool first = true;
    if (withClassPage) {
        report.Title(QStringLiteral("Klassenübersicht vom ") + date);
        report.Grid(ClassTable(pupils, {}, today), 4);
        report.Heading(QStringLiteral("Wörter, die die Klasse oft falsch schreibt"));
        report.Grid(MissedWordsTable(MostMissedWords(pupils, 20)), 3);
        first = false;
    }
    for (const PupilHistory& pupil : pupils) {
        if (!first)
            report.NewPage();
        first = false;
        report.Title(pupil.name + QStringLiteral(" – Stand ") + date);
        const ExerciseFigures all = FiguresOf(pupil.summary, QString(), today);
        report.Text(QStringLiteral("%1 Antworten, davon %2 % sofort richtig.").arg(all.answers).arg(all.FirstTryPercent()));
        report.Heading(QStringLiteral("Fortschritt nach Wochen"));
        report.Chart(pupil.summary.weeks);
        report.Heading(QStringLiteral("Wörter, die noch nicht sicher sind"));
        const QStringList& wrong = pupil.summary.stillWrong;
        report.Text(wrong.isEmpty() ? QStringLiteral("keine") : wrong.join(QStringLiteral(", ")));
        report.Heading(QStringLiteral("Fehlerarten beim Schreiben"));
        const QList<ErrorKindFigures>& kinds = pupil.summary.kinds;
        if (kinds.isEmpty())
            report.Text(QStringLiteral("keine"));
        else
            report.Grid(ErrorKindsTable(kinds), 3);
    }
    return painter.end();
}
