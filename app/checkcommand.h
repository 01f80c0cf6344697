#pragma once
// `vektum --check FILE...`: reads and checks every problem file and reports
// on each, "file:line:column: text", in the language of the run.
#include "app/commandline.h"

#include <QStringList>

// Exit status 0 when no file has an error (notes do not count), 1 otherwise.
CommandLineOutcome checkProblemFiles(const QStringList& files, Language language);
