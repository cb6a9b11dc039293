#include "app/zeugnis_print.h"

#include "controls/picture.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

QFont Font(const QString& family, int points)
{
    QFont f(family);
    f.setPointSize(points);
    return f;
}

// Writes lines downwards on the pages, breaking below eleven twelfths.
class PageWriter {
public:
    PageWriter(QPagedPaintDevice& device, QPainter& painter) : device_(device), painter_(painter)
    {
        width_ = device.width();
        height_ = device.height();
        y = TopMargin();
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int TopMargin() const { return height_ / 12; }
    int Pages() const { return pages_; }

    void Line(int x, const QString& text, const QFont& font)
    {
        if (breakDue_) {
            device_.newPage();
            ++pages_;
            breakDue_ = false;
        }
        painter_.setFont(font);
        const QFontMetrics metrics(font, &device_);
        painter_.drawText(x, y + metrics.ascent(), text);
        y += metrics.boundingRect(QStringLiteral("Äg")).height();
        CheckBreak();
    }
    void Lines(int x, const QStringList& lines, const QFont& font)
    {
        for (const QString& line : lines)
            Line(x, line, font);
        CheckBreak();
    }
    // A new page is begun before the next line when the current one is below
    // eleven twelfths of the page.
    void CheckBreak()
    {
        if (y > height_ * 11 / 12) {
            breakDue_ = true;
            y = TopMargin();
        }
    }

    int y = 0;

private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    int width_ = 0;
    int height_ = 0;
    int pages_ = 1;
    bool breakDue_ = false;
};

} // namespace

QFont ZeugnisTitleFont()
{
    return Font(QStringLiteral("Arial"), 28);
}

QFont ZeugnisBodyFont()
{
    return Font(QStringLiteral("Courier New"), 10);
}

QFont ZeugnisFooterFont()
{
    return Font(QStringLiteral("Arial"), 12);
}

int PrintZeugnis(QPagedPaintDevice& device, const ZeugnisPrintout& printout)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    PageWriter page(device, painter);
    const int left = page.Width() / 10;
    const int top = page.TopMargin();
    int column = left;
    int bodyStart = top;
    if (printout.richVisible) {
        Picture picture;
        if (!printout.picture.isEmpty() && picture.Load(printout.picture))
            picture.Draw(painter, QRectF(left, top, page.Width() / 7, page.Height() / 10));
        column = left + page.Width() / 7 + 40;
        bodyStart = top + page.Height() / 10 + 40;
        page.y = top + 60;
    }
    page.Lines(column, printout.title, ZeugnisTitleFont());
    if (printout.bodyVisible)
        page.Lines(column, printout.body, ZeugnisBodyFont());
    if (printout.richVisible) {
        QStringList lines = printout.richBody;
        lines << QString() << QString();
        page.y = bodyStart;
        QFont font = ZeugnisBodyFont();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i == 8)
                font.setPointSize(font.pointSize() + 4);
            page.Line(left, lines[i], font);
        }
        page.CheckBreak();
    }
    page.Lines(column, printout.footer, ZeugnisFooterFont());
    painter.end();
    return page.Pages();
}
