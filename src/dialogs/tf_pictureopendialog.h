#pragma once
// The file chooser with a preview: text files are shown as text, pictures are
// drawn fitted into the preview, sounds get a "Sound hören" button that plays
// them on the simple-sound channel. Everything else is as in TF_opendialog.
#include "dialogs/tf_opendialog.h"

class QLabel;
class QFrame;
class QPlainTextEdit;

class TF_PictureOpendialog : public TF_opendialog {
    Q_OBJECT
public:
    // The entries of the type box.
    enum TypeEntry { TextFiles = 0, PictureFiles = 1, SoundFiles = 2, AllFiles = 3 };

    explicit TF_PictureOpendialog(QWidget* parent = nullptr);
    ~TF_PictureOpendialog() override;

    QString PreviewCaption() const;   // "keine Vorschau", or empty for a sound
    bool ShowsPicture() const;

    QWidget* P_Vorschau = nullptr;
    QPlainTextEdit* M_textvorschau = nullptr;
    QFrame* P_bildvorschau = nullptr;
    QLabel* I_vorschau = nullptr;
    QPushButton* B_soundhoeren = nullptr;

protected:
    QIcon FileIcon(const QString& name) const override;
    QString ShownName(const QString& folder, const QString& name) const override;
    void ChosenFileChanged() override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void B_soundhoerenClick();
    void StopPreviewSound();
    void DrawPicture();
    void ClearPreview();

    bool playing_ = false;
    QString picturePath_;   // the picture shown, redrawn when the preview is resized
};
