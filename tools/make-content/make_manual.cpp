// Step "manual": the manual "Anleitung-lrb.pdf", made from the help pages.
// A title page, the table of contents with page numbers, then every page of
// "Html" as a chapter on pages of its own: the index first, then the pages in
// the order the index links them, then any others. A4, pictures and the
// pages' style sheet as the help window shows them.
#include "content_files.h"
#include "steps.h"

#include "data/program_state.h"
#include "dialogs/help_files.h"
#include "platform/file_paths.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <memory>
#include <vector>

namespace {

const QString kManualTitle = QStringLiteral("Lirabo – Anleitung");
const QColor kBlue(0x2a, 0x6f, 0xa8);
// The pages are written in screen pixels, so that the pixel sizes of the
// style sheet come out as in the help window.
constexpr int kDpi = 96;
constexpr int kFooterHeight = 36;

// A help page laid out for the manual. Pictures and the style sheet are
// looked up beside the page without regard to case, as the program does.
class PageDocument : public QTextDocument {
public:
    explicit PageDocument(QString folder) : folder_(std::move(folder)) {}

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        if (name.isRelative() || name.isLocalFile()) {
            const QString path = name.isLocalFile() ? name.toLocalFile() : QDir(folder_).filePath(name.path());
            QFile f(NativePath(path));
            if (f.open(QIODevice::ReadOnly))
                return f.readAll();
        }
        return QTextDocument::loadResource(type, name);
    }

private:
    QString folder_;
};

struct Chapter {
    QString title;
    QString fileName;
    std::unique_ptr<PageDocument> document;
    int firstPage = 0;   // 1-based page number in the manual
};

QString PlainText(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return html.simplified();
}

QString FirstMatch(const QString& text, const QString& pattern)
{
    const auto m = QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption |
                                                   QRegularExpression::CaseInsensitiveOption)
                       .match(text);
    return m.hasMatch() ? m.captured(1) : QString();
}

// The page without what only makes sense on screen (the page header, the
// "back to the overview" line, links between pages) under a chapter heading.
QString ChapterHtml(QString html, int number, const QString& title)
{
    const auto options = QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption;
    html.remove(QRegularExpression(QStringLiteral("<header>.*?</header>"), options));
    html.remove(QRegularExpression(QStringLiteral("<p class=\"zurueck\">.*?</p>"), options));
    html.replace(QRegularExpression(QStringLiteral("<a\\s+href=\"(?!https?:|mailto:)[^\"]*\"\\s*>(.*?)</a>"), options),
                 QStringLiteral("\\1"));
    const QString heading =
        QStringLiteral("<h1 style=\"color:#2a6fa8; font-size:30px;\">%1. %2</h1>").arg(number).arg(title.toHtmlEscaped());
    const qsizetype body = html.indexOf(QRegularExpression(QStringLiteral("<body[^>]*>"), options));
    if (body < 0)
        return heading + html;
    const qsizetype after = html.indexOf(u'>', body) + 1;
    return html.left(after) + heading + html.mid(after);
}

// The page files of the folder: the index first, then in the order the index
// links them, then the rest by name.
QStringList ChapterOrder(const QDir& folder)
{
    const QStringList pages =
        folder.entryList({QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    auto find = [&](const QString& name) -> QString {
        for (const QString& p : pages)
            if (p.compare(name, Qt::CaseInsensitive) == 0)
                return p;
        return {};
    };
    QStringList order;
    const QString index = find(QStringLiteral("index.htm"));
    if (index.isEmpty())
        Fail(QStringLiteral("no index.htm in %1").arg(folder.path()));
    order << index;
    const QString indexHtml = QString::fromUtf8(ReadSourceFile(folder.filePath(index)));
    auto links = QRegularExpression(QStringLiteral("href=\"([^\"#:]+)[^\"]*\""), QRegularExpression::CaseInsensitiveOption)
                     .globalMatch(indexHtml);
    while (links.hasNext()) {
        const QString page = find(QUrl::fromPercentEncoding(links.next().captured(1).toUtf8()));
        if (!page.isEmpty() && !order.contains(page))
            order << page;
    }
    for (const QString& p : pages)
        if (!order.contains(p))
            order << p;
    return order;
}

class ManualWriter {
public:
    explicit ManualWriter(QIODevice& out) : writer_(&out)
    {
        writer_.setResolution(kDpi);
        writer_.setPageSize(QPageSize(QPageSize::A4));
        writer_.setPageMargins(QMarginsF(20, 18, 20, 14), QPageLayout::Millimeter);
        writer_.setTitle(kManualTitle);
        writer_.setCreator(QStringLiteral("Lirabo ") + ProgramVersion());
        body_ = QSizeF(writer_.width(), writer_.height() - kFooterHeight);
    }

    QSizeF Body() const { return body_; }
    void Metadata(const QByteArray& xmp) { writer_.setDocumentXmpMetadata(xmp); }
    QPaintDevice* Device() { return &writer_; }

    bool Begin() { return painter_.begin(&writer_); }
    void End() { painter_.end(); }

    void TitlePage()
    {
        NewPage();
        const QRectF page(0, 0, writer_.width(), writer_.height());
        painter_.fillRect(QRectF(0, page.height() * 0.22, page.width(), 170), kBlue);
        QFont big(QStringLiteral("Andika"));
        big.setPixelSize(72);
        big.setBold(true);
        painter_.setFont(big);
        painter_.setPen(Qt::white);
        painter_.drawText(QRectF(0, page.height() * 0.22, page.width(), 110), Qt::AlignCenter, QStringLiteral("Lirabo"));
        QFont sub(QStringLiteral("Andika"));
        sub.setPixelSize(30);
        painter_.setFont(sub);
        painter_.drawText(QRectF(0, page.height() * 0.22 + 100, page.width(), 60), Qt::AlignCenter,
                          QStringLiteral("Anleitung"));
        painter_.setPen(QColor(0x22, 0x22, 0x22));
        sub.setPixelSize(22);
        painter_.setFont(sub);
        painter_.drawText(QRectF(0, page.height() * 0.22 + 200, page.width(), 220), Qt::AlignHCenter | Qt::TextWordWrap,
                          QStringLiteral("Lesen und Rechtschreiben üben\n\nfür Schülerinnen und Schüler,\n"
                                         "Lehrerinnen und Lehrer"));
        sub.setPixelSize(16);
        painter_.setFont(sub);
        painter_.drawText(QRectF(0, page.height() - 60, page.width(), 40), Qt::AlignCenter,
                          QStringLiteral("Version ") + ProgramVersion());
    }

    // The pages of a laid-out document, each with its footer; the first gets
    // the number firstPage.
    void Pages(QTextDocument& document, int firstPage)
    {
        const int count = document.pageCount();
        for (int i = 0; i < count; ++i) {
            NewPage();
            painter_.save();
            painter_.translate(0, -i * body_.height());
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(0, i * body_.height(), body_.width(), body_.height());
            painter_.setClipRect(context.clip);
            document.documentLayout()->draw(&painter_, context);
            painter_.restore();
            Footer(firstPage + i);
        }
    }

private:
    void NewPage()
    {
        if (pagesBegun_++ > 0)
            writer_.newPage();
    }

    void Footer(int number)
    {
        QFont small(QStringLiteral("Andika"));
        small.setPixelSize(12);
        painter_.setFont(small);
        painter_.setPen(QColor(0x66, 0x66, 0x66));
        const QRectF foot(0, writer_.height() - kFooterHeight + 12, writer_.width(), kFooterHeight - 12);
        painter_.drawLine(QPointF(0, foot.top()), QPointF(foot.right(), foot.top()));
        painter_.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, kManualTitle);
        painter_.drawText(foot, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Seite %1").arg(number));
    }

    QPdfWriter writer_;
    QPainter painter_;
    QSizeF body_;
    int pagesBegun_ = 0;
};

void LayOut(QTextDocument& document, ManualWriter& writer)
{
    document.documentLayout()->setPaintDevice(writer.Device());
    document.setPageSize(writer.Body());
}

QString ContentsHtml(const std::vector<Chapter>& chapters)
{
    QString rows;
    for (size_t i = 0; i < chapters.size(); ++i)
        rows += QStringLiteral("<tr><td width=\"8%\">%1.</td><td>%2</td><td align=\"right\">%3</td></tr>")
                    .arg(i + 1)
                    .arg(chapters[i].title.toHtmlEscaped())
                    .arg(chapters[i].firstPage);
    return QStringLiteral("<html><body style=\"font-family:Andika; font-size:18px;\">"
                          "<h1 style=\"color:#2a6fa8; font-size:30px;\">Inhalt</h1>"
                          "<table width=\"100%\" cellpadding=\"6\">") +
           rows + QStringLiteral("</table></body></html>");
}

// The document's metadata: title, language and the table of contents as its
// description, so that viewers and checks read the chapters without the pages.
QByteArray Xmp(const std::vector<Chapter>& chapters)
{
    QStringList entries;
    for (size_t i = 0; i < chapters.size(); ++i)
        entries << QStringLiteral("%1. %2, Seite %3").arg(i + 1).arg(chapters[i].title).arg(chapters[i].firstPage);
    const QString description = QStringLiteral("Inhalt: ") + entries.join(QStringLiteral("; "));
    return QStringLiteral(
               "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
               "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
               "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
               "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
               "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
               "<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">%2</rdf:li></rdf:Alt></dc:description>\n"
               "<dc:language><rdf:Bag><rdf:li>de</rdf:li></rdf:Bag></dc:language>\n"
               "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>")
        .arg(kManualTitle.toHtmlEscaped(), description.toHtmlEscaped())
        .toUtf8();
}

} // namespace

void MakeManual(const ContentPaths& paths)
{
    const QDir html(paths.In(QStringLiteral("Html")));
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    ManualWriter writer(pdf);

    std::vector<Chapter> chapters;
    for (const QString& name : ChapterOrder(html)) {
        const QString source = QString::fromUtf8(ReadSourceFile(html.filePath(name)));
        Chapter c;
        c.fileName = name;
        c.title = chapters.empty() ? QStringLiteral("Übersicht")
                                   : PlainText(FirstMatch(source, QStringLiteral("<h1[^>]*>(.*?)</h1>")));
        if (c.title.isEmpty())
            c.title = PlainText(FirstMatch(source, QStringLiteral("<title>(.*?)</title>")));
        if (c.title.isEmpty())
            c.title = QFileInfo(name).completeBaseName();
        c.document = std::make_unique<PageDocument>(html.path());
        LayOut(*c.document, writer);
        c.document->setHtml(ChapterHtml(source, int(chapters.size()) + 1, c.title));
        chapters.push_back(std::move(c));
    }

    // The contents come after the title page; their own length decides where
    // the first chapter starts.
    QTextDocument contents;
    LayOut(contents, writer);
    contents.setHtml(ContentsHtml(chapters));
    for (int pass = 0; pass < 2; ++pass) {
        int page = 2 + contents.pageCount();
        for (Chapter& c : chapters) {
            c.firstPage = page;
            page += c.document->pageCount();
        }
        contents.setHtml(ContentsHtml(chapters));
    }

    writer.Metadata(Xmp(chapters));
    if (!writer.Begin())
        Fail(QStringLiteral("cannot write the manual"));
    writer.TitlePage();
    writer.Pages(contents, 2);
    for (Chapter& c : chapters)
        writer.Pages(*c.document, c.firstPage);
    writer.End();
    pdf.close();
    WriteIfChanged(paths.Out(kManualFile), pdf.data());
}
