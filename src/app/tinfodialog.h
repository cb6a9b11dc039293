#pragma once
// Tinfodialog: the program's name and version with the information lines of
// "intern\<program name>.txt", and the three program options of "vovu.ini":
// Swiss spelling ("Schweiz" / "Deutschland"), "Programm bei Dateiauswahl
// starten" and "Hintergrund abdecken". "OK" takes them at once and writes them.
#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Tinfodialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kInfoLines = 7;

    // programName: the program file's name without extension; empty: this
    // program's.
    explicit Tinfodialog(QWidget* parent = nullptr, const QString& programName = QString());

    // The information lines from the information file (at creation).
    void FillInfoLines();
    // What showing does: the controls from the program options.
    void FormShow();
    // Shown modally (through RunModal); afterwards CoverBackground follows
    // the option as the dialog left it.
    int Present();
    // "OK": the options into the program and into "vovu.ini".
    void B_okClick();

    QString InfoFile() const;
    // The text of information line n (1..7).
    QString InfoLine(int n) const;
    // The web address of line n, when it holds one.
    QString LineAddress(int n) const;

    QLabel* L_bild = nullptr;
    QLabel* L_titel = nullptr;
    QList<QLabel*> L_info;   // named "L_info1" ... "L_info7"
    QRadioButton* RB_schweiz = nullptr;
    QRadioButton* RB_deutschland = nullptr;
    QCheckBox* CK_dateistart = nullptr;
    QCheckBox* CK_hintergrund = nullptr;
    QPushButton* B_ok = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString programName_;
    bool writeFailed_ = false;
};
