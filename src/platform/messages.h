#pragma once
// The program's standard message boxes, in German.
#include <QString>
#include <functional>

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class Answer { Yes, No, Cancel, Ok };

// A plain message box with the text and an OK button.
void ShowNote(const QString& text);
// A message box with an icon, a title and an OK button.
void ShowMessage(const QString& text, MessageIcon icon, const QString& title = QString());
// "Sicherheitsabfrage" with Ja, Nein, Abbrechen; callers act only on Yes.
Answer Confirm(const QString& text);
// A question with Ja and Nein only (Nein is the default).
Answer AskYesNo(const QString& text, const QString& title = QStringLiteral("Sicherheitsabfrage"));
// A question with the question-mark icon, Ja and Nein (Nein is the default).
Answer AskQuestion(const QString& text, const QString& title);
// A warning with OK and Cancel (OK is the default); Ok or Cancel.
Answer AskOkCancel(const QString& text, const QString& title);

// Tests answer message boxes without showing them: the hook gets the title and
// the text and returns the button to press. Pass an empty function to restore.
struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    bool question = false;
    bool okCancel = false;   // OK and Cancel instead of Ja and Nein
};
using MessageHook = std::function<Answer(const MessageRequest&)>;
void SetMessageHook(MessageHook hook);
