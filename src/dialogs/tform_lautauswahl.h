#pragma once
// "Lautieren einstellen": the teacher chooses the letter groups that are
// sounded out as one sound. The choice lives in "intern\lautauswahl.txt".
#include <QDialog>
#include <QMap>

class QCheckBox;
class QPushButton;

class TForm_lautauswahl : public QDialog {
    Q_OBJECT
public:
    explicit TForm_lautauswahl(QWidget* parent = nullptr);

    // FormShow, then the dialog runs modally (through RunModal).
    int Execute();
    // Reads the file into the boxes; a missing or unreadable file leaves the
    // boxes as they are.
    void FormShow();
    // Writes the checked groups in file order (write errors are ignored) and
    // closes with Accepted.
    void B_okClick();

    QCheckBox* Box(const QString& group) const { return boxes_.value(group); }
    QPushButton* B_ok = nullptr;
    QPushButton* B_abbruch = nullptr;

private:
    QCheckBox* AddBox(const QString& group, QWidget* parent);
    QMap<QString, QCheckBox*> boxes_;
};
