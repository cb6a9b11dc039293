#include "dazidazud/record_dialog.h"

#include "platform/text_codec.h"
#include "sound/simple_sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

RecordDialog::RecordDialog(const QString& word, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Aufnehmen: %1").arg(word));
    auto* layout = new QVBoxLayout(this);
    message_ = new QLabel(QStringLiteral("\u201EAufnahme\u201C drücken, \u201E%1\u201C deutlich sprechen, dann \u201EStopp\u201C.").arg(word), this);
    message_->setWordWrap(true);
    layout->addWidget(message_);
    meter_ = new QProgressBar(this);
    meter_->setRange(0, 100);
    meter_->setTextVisible(false);
    layout->addWidget(meter_);
    auto* buttons = new QHBoxLayout;
    record_ = new QPushButton(QStringLiteral("Aufnahme"), this);
    listen_ = new QPushButton(QStringLiteral("Anhören"), this);
    take_ = new QPushButton(QStringLiteral("Übernehmen"), this);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    listen_->setEnabled(false);
    take_->setEnabled(false);
    for (QPushButton* b : {record_, listen_, take_, cancel})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(record_, &QPushButton::clicked, this, [this] {
        if (recorder_.IsRecording())
            StopRecording();
        else
            StartRecording();
    });
    connect(listen_, &QPushButton::clicked, this, &RecordDialog::Listen);
    connect(take_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &RecordDialog::reject);
    meterTimer_.setInterval(50);
    connect(&meterTimer_, &QTimer::timeout, this, &RecordDialog::ShowLevel);
    resize(420, 150);
}

RecordDialog::~RecordDialog()
{
    StopSimpleSound();
    if (!preview_.isEmpty())
        QFile::remove(preview_);
}

void RecordDialog::StartRecording()
{
    StopSimpleSound();
    QString error;
    if (!recorder_.Start(&error)) {
        message_->setText(error);
        return;
    }
    record_->setText(QStringLiteral("Stopp"));
    listen_->setEnabled(false);
    take_->setEnabled(false);
    message_->setText(QStringLiteral("Aufnahme läuft ..."));
    meterTimer_.start();
}

void RecordDialog::StopRecording()
{
    if (!recorder_.IsRecording())
        return;
    recorder_.Stop();
    meterTimer_.stop();
    meter_->setValue(0);
    record_->setText(QStringLiteral("Aufnahme"));
    recording_ = recorder_.Finished();
    if (recording_.samples.empty()) {
        message_->setText(QStringLiteral("Es war nichts zu hören. Ist das Mikrofon eingeschaltet?"));
        return;
    }
    message_->setText(QStringLiteral("Aufnahme: %1 Sekunden.").arg(recording_.Seconds(), 0, 'f', 1));
    listen_->setEnabled(true);
    take_->setEnabled(true);
}

void RecordDialog::Listen()
{
    if (recording_.samples.empty())
        return;
    if (preview_.isEmpty())
        preview_ = QDir::temp().filePath(QStringLiteral("dazidazud-%1.wav").arg(QCoreApplication::applicationPid()));
    if (WriteFileAtomically(preview_, WavBytes(recording_)))
        PlaySimpleSound(preview_);
}

void RecordDialog::ShowLevel()
{
    meter_->setValue(int(std::lround(std::min(1.0f, recorder_.Level()) * 100)));
    if (recorder_.Seconds() >= kMaxRecordingSeconds)
        StopRecording();
}

void RecordDialog::reject()
{
    recorder_.Stop();
    meterTimer_.stop();
    QDialog::reject();
}
