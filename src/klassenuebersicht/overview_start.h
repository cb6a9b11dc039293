#pragma once
// Where the class overview reads: the program folder as the program finds it
// (the executable's folder, or the installed content), and the data root given
// as the only argument (the list editor passes its own), else the data folder
// the program itself would use ("netzwerkpfad.txt", "protokoll", the shared
// folder).
#include <QStringList>

void StartOverview(const QStringList& arguments);
