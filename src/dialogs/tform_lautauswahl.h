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

    // Reads the file into the boxes; a missing or unreadable file leaves the
    // boxes as they are. Runs when the dialog is shown.
    void FormShow();
    // Writes the checked groups in file order (write errors are ignored) and
    // closes with Accepted.
    void B_okClick();

    QCheckBox* Box(const QString& group) const { return boxes_.value(group); }
    QPushButton* B_ok = nullptr;
    QPushButton* B_abbruch = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* AddBox(const QString& group, QWidget* parent);
    QMap<QString, QCheckBox*> boxes_;
};
