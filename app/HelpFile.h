#pragma once

#include <QString>

// The help shipped with the program: "help/index.html" (its contents page),
// looked for beside the current directory, in the current directory's data
// folder, beside the program and in the source tree the program was built
// from. Empty when none is found.
QString FindHelpFile(const QString& programDir = QString());
