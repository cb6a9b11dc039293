#pragma once
// "Protokoll" of the main menu: the current pupil's results protocol (the
// ".txt" beside the profile) opened in the desktop's text editor; when the
// desktop has no program for it, in a small read-only viewer of our own.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// Nothing happens when the profile at CurrentProfilePath cannot be written;
// a missing protocol gives "Ergebnis-Datei noch nicht vorhanden! " with the
// path as the box's title.
void ShowResultsProtocol(QWidget* parent = nullptr);

// The viewer: the protocol's text (Windows-1252) in a fixed-width font,
// titled with the pupil's name; shown modally through RunModal.
class ProtocolViewer : public QDialog {
    Q_OBJECT
public:
    ProtocolViewer(const QString& file, const QString& pupilName, QWidget* parent = nullptr);

    QPlainTextEdit* M_text = nullptr;
    QPushButton* B_schliessen = nullptr;
};
