#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <array>

#include "AtomicFile.h"
#include "FileLookup.h"

namespace
{

const std::array<const char*, 4> Keys = {"Left", "Top", "Width", "Height"};

int* Field(WindowGeometry& g, int index)
{
    switch (index) {
    case 0:
        return &g.Left;
    case 1:
        return &g.Top;
    case 2:
        return &g.Width;
    default:
        return &g.Height;
    }
}

// A "[name]" line gives the section name; anything else gives an empty result.
bool SectionName(const QByteArray& line, QByteArray* name)
{
    const QByteArray t = line.trimmed();
    if (t.size() < 2 || !t.startsWith('[') || !t.endsWith(']'))
        return false;
    *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

// "key=value" gives the key; comments and other lines give false.
bool KeyName(const QByteArray& line, QByteArray* key, QByteArray* value)
{
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#'))
        return false;
    const int eq = t.indexOf('=');
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    *value = t.mid(eq + 1).trimmed();
    return true;
}

int KeyIndex(const QByteArray& key)
{
    for (int i = 0; i < int(Keys.size()); ++i)
        if (key.compare(Keys[i], Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QList<QByteArray> SplitLines(const QByteArray& content)
{
    QList<QByteArray> lines = content.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString SettingsPath()
{
    const QString existing = FindExistingFile(SettingsFileName);
    return existing.isEmpty() ? QDir::current().filePath(SettingsFileName) : existing;
}

} // namespace

WindowGeometry ReadSettingsFile(const WindowGeometry& current)
{
    WindowGeometry out = current;
    QFile file(SettingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return out;
    bool inPosition = false;
    for (const QByteArray& line : SplitLines(file.readAll())) {
        QByteArray name, key, value;
        if (SectionName(line, &name)) {
            inPosition = name.compare("position", Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inPosition || !KeyName(line, &key, &value))
            continue;
        const int index = KeyIndex(key);
        bool ok = false;
        const int number = value.toInt(&ok);
        if (index >= 0 && ok)
            *Field(out, index) = number;
    }
    return out;
}

bool WriteSettingsFile(const WindowGeometry& geometry, QString* error)
{
    const QString path = SettingsPath();
    QList<QByteArray> lines;
    {
        QFile old(path);
        if (old.open(QIODevice::ReadOnly))
            lines = SplitLines(old.readAll());
    }

    WindowGeometry g = geometry;
    auto keyLine = [&](int index) {
        return QByteArray(Keys[index]) + '=' + QByteArray::number(*Field(g, index));
    };

    // Rewrite the keys of the first "position" section in place; append what is missing.
    std::array<bool, 4> written{};
    int sectionStart = -1;
    int sectionEnd = -1;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray name, key, value;
        if (SectionName(lines[i], &name)) {
            if (sectionStart >= 0 && sectionEnd < 0)
                sectionEnd = i;
            if (sectionStart < 0 && name.compare("position", Qt::CaseInsensitive) == 0)
                sectionStart = i;
            continue;
        }
        if (sectionStart < 0 || sectionEnd >= 0 || !KeyName(lines[i], &key, &value))
            continue;
        const int index = KeyIndex(key);
        if (index >= 0 && !written[index]) {
            lines[i] = keyLine(index);
            written[index] = true;
        }
    }
    if (sectionStart < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append("[Position]");
        sectionStart = int(lines.size()) - 1;
        sectionEnd = int(lines.size());
    } else if (sectionEnd < 0) {
        sectionEnd = int(lines.size());
    }
    // Missing keys go right after the section's last non-empty line.
    int insertAt = sectionEnd;
    while (insertAt > sectionStart + 1 && lines[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    for (int i = 0; i < int(Keys.size()); ++i)
        if (!written[i])
            lines.insert(insertAt++, keyLine(i));

    QByteArray content;
    for (const QByteArray& line : lines)
        content += line + "\r\n";
    // A write that fails part way must not replace the old file with a piece of the new one.
    QString reason;
    if (!WriteFileAtomically(path, content, reason)) {
        if (error)
            *error = reason;
        return false;
    }
    return true;
}
