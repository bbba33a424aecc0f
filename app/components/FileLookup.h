#pragma once

#include <QString>

// The absolute path of an existing file in the current working directory whose
// name equals `name` without regard to case; a file of exactly that name is
// preferred. Empty when there is none.
QString FindExistingFile(const QString& name);
