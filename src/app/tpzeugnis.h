#pragma once
// Tpzeugnis: the work report ("Arbeitszeugnis") of a pupil's certificate
// data (".zgn") and the certificate ("Urkunde") of the result summary
// (".rtf"). A modal dialog made for each use: a bar with "Drucken" and
// "Als PDF speichern", the title, the body as plain or as formatted text, and
// the footer with the thanks and the signature line.
#include "app/zeugnis_print.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QTextEdit;

class Tpzeugnis : public QDialog {
    Q_OBJECT
public:
    explicit Tpzeugnis(QWidget* parent = nullptr);

    // The main window's two uses. Nothing happens when the profile at
    // CurrentProfilePath cannot be written. The work report of a missing
    // ".zgn" gives the message "Zeugnis-Datei noch nicht vorhanden! "; a
    // missing ".rtf" shows nothing. The certificate's file is deleted when the
    // dialog has closed.
    static void ShowWorkReport(const QString& pupilName, QWidget* parent = nullptr);
    static void ShowCertificate(const QString& pupilName, QWidget* parent = nullptr);

    // Dialog state, set before Present().
    QString fileName;
    QString pupilName;
    QString titlePrefix = QStringLiteral("Arbeitszeugnis für: ");

    // What showing does: the file into the plain body, or into the formatted
    // body for ".rtf", and the title.
    void FormShow();
    // The certificate's set-up: formatted body, no footer, title.
    void ShowAsCertificate();
    // Shown modally (through RunModal); the formatted body is cleared after.
    int Present();

    // "Drucken": the print dialog, then the page. False when cancelled.
    bool Print();
    // The page into a PDF file.
    bool SaveAsPdf(const QString& file);
    // The page as it is printed now.
    ZeugnisPrintout Printout() const;

    QString TitleText() const;
    bool RichBodyShown() const;
    bool FooterShown() const;

    QPushButton* B_drucken = nullptr;
    QPushButton* B_pdf = nullptr;
    QLabel* L_titel = nullptr;
    QPlainTextEdit* M_text = nullptr;
    QTextEdit* RE_text = nullptr;
    QLabel* L_fuss = nullptr;

    static const QStringList& FooterLines();

private:
    void LoadRichBody(const QString& file);
    void SetTitle();
    void SavePdfAsked();
    int Printed(QPrinter& printer);
    QStringList richLines_;
};

// Whether the profile can be opened for writing (it exists and is writable).
bool ProfileWritable(const QString& profilePath);
