#include "AtomicFile.h"

#include <QSaveFile>

bool WriteFileAtomically(const QString& path, const QByteArray& data, QString& errorText)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write is seen at the write itself: with
    // Qt's write buffer a failure while flushing on commit goes unnoticed and
    // a truncated file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        errorText = file.errorString();
        return false;
    }
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        if (n <= 0) {
            errorText = file.errorString();
            file.cancelWriting();
            return false;
        }
        done += n;
    }
    if (!file.commit()) {
        errorText = file.errorString();
        return false;
    }
    return true;
}
