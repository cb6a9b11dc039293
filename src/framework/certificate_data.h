#pragma once
// The certificate data: the profile path with ".zgn", the pupil's answers
// turned into verdicts; the certificate dialog shows and prints it.
#include "framework/results_files.h"

// "-OK-", "wiederholen" (right only with help, marked "["), "beim 2.
// Versuch -OK-" or "nochmal üben" for an answer record.
QString CertificateVerdict(const QString& answer);

// Appends a block of verdicts for the answers.
void WriteCertificateData(const QString& programName, const AnswerLists& answers,
                          const ResultsContext& context);
