#include "PlannerCsv.h"

#include "AtomicFile.h"

namespace
{

QString CsvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void AppendLine(QString& out, const PlannerRow& row)
{
    for (int col = 0; col < PlannerColumnCount; ++col) {
        if (col > 0)
            out += QLatin1Char(',');
        out += CsvField(row.cells[col].text);
    }
    out += QStringLiteral("\r\n");
}

} // namespace

QString PlannerCsv(const PlannerTable& table)
{
    QString out;
    if (table.rows.empty())
        return out;
    const int last = std::min<int>(table.currentRow, static_cast<int>(table.rows.size()) - 1);
    for (int i = 0; i <= last; ++i)
        AppendLine(out, table.rows[i]);
    return out;
}

bool WritePlannerCsv(const PlannerTable& table, const QString& path, QString& errorText)
{
    return WriteFileAtomically(path, PlannerCsv(table).toUtf8(), errorText);
}
