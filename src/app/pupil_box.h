#pragma once
// The pupil box: an editable drop-down list of the registry's names whose text
// is the current pupil. Enter or leaving the box confirms the typed name
// (adding a new pupil when it is unknown), Delete in the box deletes the named
// pupil after a question, and dropping the list down re-reads the registry.
#include "data/pupil_selection.h"

#include <QComboBox>

class PupilBox : public QComboBox {
    Q_OBJECT
public:
    explicit PupilBox(QWidget* parent = nullptr);

    PupilSelection& Selection() { return selection_; }
    // Registry read, first name selected, its profile made current.
    void Start();
    // CurrentProfilePath from the name in the box.
    void SelectCurrentProfile();
    // A registered pupil into the box and current; false when unknown.
    bool SelectRegisteredName(const QString& name);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Whether "Entf" asks to delete the pupil rather than edit the text.
    bool DeleteMeansThePupil() const;
    // Box text into the model, model back into the box.
    void Take();
    void Show();
    PupilSelection::Confirmed Confirm();

    PupilSelection selection_;
    bool busy_ = false;   // a message box of our own is open
};
