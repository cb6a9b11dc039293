#pragma once
// The printed report (a PDF through QPrinter): with the class, a first page
// with the class table's main columns and the most-missed words; then a page
// per pupil with the weekly chart, the words still wrong and the error kinds.
#include "klassenuebersicht/class_data.h"

// False when the file could not be made.
bool WriteReportPdf(const QString& path, const QList<PupilHistory>& pupils, bool withClassPage, const QDate& today);
