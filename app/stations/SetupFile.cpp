#include "SetupFile.h"

#include "AtomicFile.h"
#include "FileLookup.h"
#include "MessageBoxes.h"
#include "SetupRecord.h"

#include <QDir>
#include <QFile>

namespace
{

const QPoint DefaultPlace(-1, -1);

void ReportFailure(const QString& action, const QString& path, const QString& reason)
{
    Messages().Show(MessageBoxes::Kind::Error, MessageBoxes::Buttons::Ok, QStringLiteral("Error"),
                    action + QStringLiteral(" \"") + QDir::toNativeSeparators(path) +
                        QStringLiteral("\": ") + reason,
                    DefaultPlace);
}

SetupLoadStatus NotFound()
{
    Messages().Show(MessageBoxes::Kind::Warning, MessageBoxes::Buttons::Ok,
                    QStringLiteral("Warning"), QStringLiteral("File not found"), DefaultPlace);
    return SetupLoadStatus::NotFound;
}

SetupLoadStatus LoadSetupFile(AppState& state)
{
    const QString path = FindSetupFile();
    if (path.isEmpty())
        return NotFound();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return NotFound();
    // The file is a sequence of whole records; the last one wins and bytes
    // after it are ignored. Without a whole record it counts as missing.
    const qint64 records = file.size() / SetupRecordSize;
    if (records <= 0)
        return NotFound();
    SetupRecord record{};
    if (!file.seek((records - 1) * SetupRecordSize) ||
        file.read(reinterpret_cast<char*>(record.data()), SetupRecordSize) != SetupRecordSize) {
        ReportFailure(QStringLiteral("Cannot read"), path, file.errorString());
        return SetupLoadStatus::ReadFailed;
    }
    file.close();
    ApplySetupRecord(record, state);
    return SetupLoadStatus::Loaded;
}

} // namespace

QString FindSetupFile()
{
    return FindExistingFile(QString::fromLatin1(SetupFileName));
}

bool SaveSetup(AppState& state)
{
    QString path = FindSetupFile();
    if (path.isEmpty())
        path = QDir::current().filePath(QString::fromLatin1(SetupFileSaveName));

    SetupRecord record = state.SetupBuffer;
    FillSetupRecord(state, record);

    QString reason;
    const QByteArray bytes(reinterpret_cast<const char*>(record.data()), SetupRecordSize);
    if (!WriteFileAtomically(path, bytes, reason)) {
        ReportFailure(QStringLiteral("Cannot save"), path, reason);
        return false;
    }
    state.SetupBuffer = record;
    Messages().Show(MessageBoxes::Kind::Information, MessageBoxes::Buttons::Ok,
                    QStringLiteral("Information"),
                    QStringLiteral("The Home Set up Data File has been updated."), DefaultPlace);
    return true;
}

SetupLoadStatus LoadSetupAtStart(AppState& state)
{
    return LoadSetupFile(state);
}

SetupLoadStatus LoadSetupForWindow(AppState& state)
{
    return LoadSetupFile(state);
}
