#pragma once
// The settings dialog of the exercises. Every setting of ExerciseSettings is
// mapped to a group of numbered controls (found with FindControl), so setting
// and storing the controls is the same code for every exercise; the dialogs of
// the exercises derive from this one and hide, relabel or add controls.
//
// Open(list, section) shows it modally for a profile section. Tests drive it
// without a modal loop: FormShow() (what showing does), the controls, then
// B_okClick() or B_abbruchClick().
#include "dialogs/numbered_controls.h"

#include <QDialog>
#include <array>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QVBoxLayout;
class TextColorBox;
class tdrbutton;
class tmoiel;

class Teinstellungen1 : public QDialog {
    Q_OBJECT
public:
    explicit Teinstellungen1(QWidget* parent = nullptr);
    ~Teinstellungen1() override;

    // Sets CurrentSection, loads its settings into the controls (FormShow) and
    // shows the dialog modally through RunModal. The list is the one the
    // calling exercise works on (may be null); the dialog does not change it.
    int Open(const tmoiel* list, const QString& section);
    const tmoiel* List() const { return list_; }

    // Loads the settings of CurrentSection, sets the caption and the controls.
    void FormShow();
    // Sets the controls from ExerciseSettings (on show and after restoring).
    void SetControls();
    // Stores the controls into ExerciseSettings and saves them; false when the
    // colour warning was cancelled (nothing saved).
    bool StoreControls();

    void B_okClick();
    void B_abbruchClick();
    void B_standardClick();

    QWidget* FindControl(int number) const { return numbers_.Find(number); }
    QAbstractButton* Button(int number) const { return numbers_.Button(number); }
    int Level() const { return level_; }

    // The voice pop-up menu of "Auswahl der Stimme": "Kinderstimme",
    // "Männerstimme", "Frauenstimme"; an item's command is 11000 + its index.
    QMenu* BuildVoiceMenu();
    void VoiceCommand(int command);
    // What the font and colour dialogs hand back.
    void FontChosen(const QString& family);
    void BackgroundChosen(quint32 color, const std::array<quint32, 16>& customColors);

    // Controls without a number.
    QCheckBox* CK_mitArtikel = nullptr;
    QCheckBox* CK_ohneArtikel = nullptr;
    QCheckBox* CK_vorlesen = nullptr;         // "Wort nach der Eingabe vorlesen"
    QCheckBox* CK_tastaturLock = nullptr;     // "Nächsten Buchstaben erst nach dem Loslassen"
    QRadioButton* RB_lautieren = nullptr;
    QRadioButton* RB_buchstabieren = nullptr;
    QPushButton* B_lautauswahl = nullptr;     // opens the phonics dialog
    QRadioButton* RB_tippton = nullptr;
    QRadioButton* RB_buchstabenname = nullptr;
    QRadioButton* RB_wieBuchstabieren = nullptr;
    QComboBox* CB_motzahl = nullptr;
    QComboBox* CB_schrift = nullptr;
    TextColorBox* CB_textfarbe = nullptr;
    tdrbutton* B_hintergrund = nullptr;       // number 500
    QPushButton* B_standard = nullptr;
    QPushButton* B_ok = nullptr;
    QPushButton* B_abbruch = nullptr;

protected:
    // Extra controls of the exercise dialogs (setting step 9, storing step 7).
    virtual void SetExtraControls() {}
    virtual void StoreBeforeSave() {}
    virtual void StoreAfterSave() {}

    // Building blocks for the derived dialogs.
    QRadioButton* Radio(int number, const QString& caption, const QString& group, QWidget* parent);
    QCheckBox* Check(int number, const QString& caption, QWidget* parent);
    QGroupBox* Group(const QString& title);
    void Relabel(int number, const QString& caption);
    void Hide(int number);
    // Moves "mit Artikel" back under "nur Wort" (exercise 1 only).
    void PutArticleBoxIntoInputGroup();
    void ShowMemoryNote();

    int level_ = 0;
    bool settingControls_ = false;   // immediate changes wait while the controls are set
    NumberedControls numbers_{this};

    QVBoxLayout* topColumn = nullptr;      // list shuffling and "mit Artikel"
    QVBoxLayout* leftColumn = nullptr;
    QVBoxLayout* middleColumn = nullptr;
    QVBoxLayout* rightColumn = nullptr;
    QGroupBox* G_fehlerkontrolle = nullptr;
    QGroupBox* G_eingabe = nullptr;
    QGroupBox* G_sound = nullptr;
    QGroupBox* G_buchstabieren = nullptr;
    QGroupBox* G_rueckmeldungen = nullptr;
    QGroupBox* G_tastengeraeusch = nullptr;
    QGroupBox* G_eingabehilfe = nullptr;
    QGroupBox* G_anzeige = nullptr;
    QVBoxLayout* soundLayout = nullptr;    // inside G_sound
    QLabel* L_memoryNote = nullptr;
    QWidget* W_spellingRange = nullptr;    // 21 to 23

private:
    void BuildLeftColumn();
    void BuildMiddleColumn();
    void BuildRightColumn();
    void ConnectLinkedChoices();
    void ConnectImmediateChanges();
    QSlider* PauseBar(int number, const QString& caption, QWidget* parent, QVBoxLayout* layout);
    void ChooseFont();
    void ChooseBackground();
    void OpenPhonicsChoice();
    void UpdateBackgroundSample();
    bool StoreUntilSave();

    const tmoiel* list_ = nullptr;
    QVBoxLayout* inputLayout_ = nullptr;
};
