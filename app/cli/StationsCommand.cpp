// tavrel-cli stations: a station list in the grid's INI form, loaded by the
// program's own loader: its size and its rows, or the row the database
// window's fast find selects.

#include "CliCommands.h"
#include "CliSupport.h"
#include "InspectSupport.h"

#include "FileLookup.h"
#include "GridIniFile.h"
#include "StationDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace
{

const QString Command = QStringLiteral("stations");

QStringList RowTexts(const GridModel& grid, int row)
{
    QStringList texts;
    for (int col = 0; col < StationColumn::Count; ++col)
        texts.append(grid.CellText(col, row));
    return texts;
}

bool RowHasText(const QStringList& texts)
{
    for (const QString& t : texts)
        if (!t.isEmpty())
            return true;
    return false;
}

QString RowLine(int row, const QStringList& texts)
{
    QString line = QString::number(row);
    for (const QString& t : texts)
        line += u'\t' + QuotedText(t);
    return line + u'\n';
}

QJsonObject RowJson(int row, const QStringList& texts)
{
    return QJsonObject{{"row", row}, {"cells", QJsonArray::fromStringList(texts)}};
}

int Refused(const QString& message, bool json)
{
    if (json)
        PrintOut(QString::fromUtf8(
            QJsonDocument(QJsonObject{{"ok", false}, {"message", message}}).toJson()));
    else
        PrintOut(message + u'\n');
    return ExitFileRefused;
}

} // namespace

int RunStationsCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Loads a station list (default \"DravikDXCC.ini\" in the current directory, its "
        "name matched without regard to case) with the program's own loader and prints its "
        "size and every row with something in columns 0 to 12: the row number, then the "
        "thirteen texts the cells show, tab-separated, each in double quotes with control "
        "characters escaped. With --find, only the row the database window's fast find "
        "selects for TEXT, or \"Not found\" (exit code 1). A missing, refused or unreadable "
        "file prints the program's message and exits with 1; notes about values read as "
        "\"?\" go to standard error."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The station list."),
                                 QStringLiteral("[FILE]"));
    parser.addOptions({
        {"find", "The fast find of the database window for TEXT.", "TEXT"},
        {"json", "Write JSON instead of text."},
    });
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments))
        return UsageError(Command, parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(ExitOk);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return UsageError(Command, QStringLiteral("unexpected argument '%1'").arg(positional[1]));
    const bool json = parser.isSet("json");

    const QString name = positional.isEmpty() ? DatabaseFileName : positional.first();
    // A bare name is found without regard to case, as the program finds its files.
    QString path = name;
    if (QFileInfo(name).fileName() == name && !QFileInfo::exists(name)) {
        const QString found = FindExistingFile(name);
        if (!found.isEmpty())
            path = found;
    }
    if (!QFileInfo::exists(path))
        return Refused(QStringLiteral("File not found: %1").arg(QuotedText(name)), json);

    CollectedMessages messages;
    GridModel grid;
    ResetToEmptyDatabase(grid);
    const GridFileResult result = LoadGridFromIni(grid, path);
    if (!result.ok)
        return Refused(result.message, json);
    for (const QString& warning : messages.texts)
        std::fputs((warning + u'\n').toLocal8Bit().constData(), stderr);

    const QString shownPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QJsonObject root{{"ok", true},
                     {"file", shownPath},
                     {"version", result.version},
                     {"columns", grid.ColCount()},
                     {"rows", grid.RowCount()},
                     {"fixedColumns", grid.FixedCols()},
                     {"fixedRows", grid.FixedRows()},
                     {"warnings", QJsonArray::fromStringList(result.warnings)}};
    QString out = QStringLiteral("File %1\nSize %2 columns, %3 rows (fixed: %4 columns, %5 rows)\n")
                      .arg(QuotedText(shownPath))
                      .arg(grid.ColCount())
                      .arg(grid.RowCount())
                      .arg(grid.FixedCols())
                      .arg(grid.FixedRows());

    if (parser.isSet("find")) {
        const QString search = FastFindSearchText(parser.value("find"));
        const std::optional<int> row = FastFind(grid, search);
        root.insert("search", search);
        root.insert("found", row ? QJsonValue(RowJson(*row, RowTexts(grid, *row)))
                                 : QJsonValue(QJsonValue::Null));
        if (json)
            PrintOut(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
        else
            PrintOut(out +
                     (row ? RowLine(*row, RowTexts(grid, *row)) : QStringLiteral("Not found\n")));
        return row ? ExitOk : ExitFileRefused;
    }

    QJsonArray rows;
    // Rows in order, each once, from the cells the file holds.
    int lastRow = -1;
    for (const auto& [key, cell] : grid.Cells()) {
        const int row = GridModel::KeyRow(key);
        if (row == lastRow)
            continue;
        lastRow = row;
        const QStringList texts = RowTexts(grid, row);
        if (!RowHasText(texts))
            continue;
        if (json)
            rows.append(RowJson(row, texts));
        else
            out += RowLine(row, texts);
    }
    if (json) {
        root.insert("stations", rows);
        PrintOut(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
    } else {
        PrintOut(out);
    }
    return ExitOk;
}
