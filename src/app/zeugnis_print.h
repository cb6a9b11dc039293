#pragma once
// The printed page of the work report and the certificate. The layout is
// fixed in page units: left margin a tenth of the page width, top a twelfth
// of its height; for a certificate the picture "Fun\urkunde.wmf" fills a box
// of a seventh of the width by a tenth of the height at the margins, the
// title goes beside it and the body starts below it. Every line moves down by
// the height of "Äg" in its font; a line below eleven twelfths of the page
// continues on a new page at the top margin.
#include <QFont>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

struct ZeugnisPrintout {
    QStringList title;
    QStringList body;         // the plain body
    bool bodyVisible = true;
    QStringList richBody;     // the lines of the formatted body
    bool richVisible = false;
    QStringList footer;       // printed also when it is not shown
    QString picture = QStringLiteral("Fun\\urkunde.wmf");
};

// The fonts of the text areas.
QFont ZeugnisTitleFont();    // Arial 28 point
QFont ZeugnisBodyFont();     // Courier New 10 point
QFont ZeugnisFooterFont();   // Arial 12 point

// Prints the areas onto device (a printer or a PDF writer); returns the
// number of pages, 0 when painting could not begin.
int PrintZeugnis(QPagedPaintDevice& device, const ZeugnisPrintout& printout);
