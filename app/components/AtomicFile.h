#pragma once

#include <QByteArray>
#include <QString>

// Writes `data` to a new file and puts it in place of `path` only once every
// byte is written and flushed; on failure the previous file stays as it was
// and `errorText` receives the system's message. Returns whether it worked.
bool WriteFileAtomically(const QString& path, const QByteArray& data, QString& errorText);
