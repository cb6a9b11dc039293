#pragma once
// The recording dialog: "Aufnahme" starts and "Stopp" ends the microphone
// recording while a meter shows the level; "Anhören" plays what was taken
// (the silence at both ends already cut off); "Übernehmen" closes the dialog
// with the recording.
#include "dazidazud/voice_recorder.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;

class RecordDialog : public QDialog {
    Q_OBJECT
public:
    explicit RecordDialog(const QString& word, QWidget* parent = nullptr);
    ~RecordDialog() override;

    // The finished recording (valid after "Übernehmen").
    const Wave& Recording() const { return recording_; }

    void StartRecording();
    void StopRecording();
    void Listen();

    QPushButton* RecordButton() const { return record_; }
    QPushButton* ListenButton() const { return listen_; }
    QPushButton* TakeButton() const { return take_; }
    QProgressBar* Meter() const { return meter_; }
    QLabel* Message() const { return message_; }

protected:
    void reject() override;

private:
    void ShowLevel();

    VoiceRecorder recorder_;
    Wave recording_;
    QString preview_;   // temporary WAV file for "Anhören"
    QTimer meterTimer_;
    QLabel* message_ = nullptr;
    QProgressBar* meter_ = nullptr;
    QPushButton* record_ = nullptr;
    QPushButton* listen_ = nullptr;
    QPushButton* take_ = nullptr;
};
