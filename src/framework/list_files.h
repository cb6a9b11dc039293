#pragma once
// The word lists of the exercise windows in the folder "listen": loading the
// list a profile names, the placeholder shown when there is none, and the
// profile key of a chosen file.
#include <QString>
#include <memory>

class QWidget;
class tmoiel;

// "listen\", the folder every list key is relative to.
QString ListFolder();
// Loads "listen\" + listFile as an exercise list (in Swiss spelling when that
// option is on); nullptr when the file is missing or cannot be read.
std::unique_ptr<tmoiel> LoadExerciseList(const QString& listFile);
// "leere Liste" with one entry whose word (and, when asked, picture field)
// reads "Liste fehlt!! Bitte andere wählen!!".
std::unique_ptr<tmoiel> PlaceholderList(bool pictureFieldToo);
// The key "Dateiname" of a chosen file: relative to "listen\", with
// backslashes like every path written into the profile.
QString ListKeyOf(const QString& chosenFile);

// The list chooser over the program's "listen" folder with the file of
// listKey preselected (title: the chooser's own when empty). True when
// "Öffnen" was pressed; chosen then holds the chosen file, which may be empty
// or missing.
bool ChooseListFile(QWidget* parent, const QString& listKey, QString& chosen, const QString& title = QString());
