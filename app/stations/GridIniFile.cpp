#include "GridIniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSysInfo>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>

#include "AtomicFile.h"
#include "FileLookup.h"
#include "MessageBoxes.h"
#include "TextCodec.h"

namespace
{

// ---------------------------------------------------------------------------
// Keys of the "Grid", "PrintHeader" and "PrintFooter" sections

enum class KeyKind { Int, Flag, Real, Plain, Wide, Size, About };

struct KeySpec {
    const char* name;
    KeyKind kind;
    double number;    // default of Int, Flag and Real keys
    const char* text; // default of Plain and Wide keys
};

constexpr int kClWindow = -16777211;
constexpr int kClBtnFace = -16777201;
constexpr int kClWindowText = -16777208;

// In the order the writer emits them.
const KeySpec kGridKeys[] = {
    {"About", KeyKind::About, 0, ""},
    {"Width", KeyKind::Int, 320, ""},
    {"Height", KeyKind::Int, 120, ""},
    {"ScrollBars", KeyKind::Int, 3, ""},
    {"BorderStyle", KeyKind::Int, 1, ""},
    {"Hint", KeyKind::Plain, 0, ""},
    {"ShowHint", KeyKind::Flag, 0, ""},
    {"Tag", KeyKind::Int, 0, ""},
    {"DragMode", KeyKind::Int, 0, ""},
    {"DragCursor", KeyKind::Int, -12, ""},
    {"Cursor", KeyKind::Int, 0, ""},
    {"Enabled", KeyKind::Flag, 1, ""},
    {"Visible", KeyKind::Flag, 1, ""},
    {"TabStop", KeyKind::Flag, 1, ""},
    {"DragKind", KeyKind::Int, 0, ""},
    {"Constraints.MaxHeight", KeyKind::Int, 0, ""},
    {"Constraints.MaxWidth", KeyKind::Int, 0, ""},
    {"Constraints.MinHeight", KeyKind::Int, 0, ""},
    {"Constraints.MinWidth", KeyKind::Int, 0, ""},
    {"DoubleBuffered", KeyKind::Flag, 0, ""},
    {"DefaultColWidth", KeyKind::Int, 64, ""},
    {"DefaultRowHeight", KeyKind::Int, 18, ""},
    {"GridLineWidth", KeyKind::Int, 1, ""},
    {"AbsoluteColCount", KeyKind::Size, 5, ""},
    {"AbsoluteRowCount", KeyKind::Size, 5, ""},
    {"AbsoluteFixedCols", KeyKind::Size, 1, ""},
    {"AbsoluteFixedRows", KeyKind::Size, 1, ""},
    {"WordWrap", KeyKind::Flag, 1, ""},
    {"Ctl3D", KeyKind::Flag, 1, ""},
    {"Color", KeyKind::Int, kClWindow, ""},
    {"FixedColor", KeyKind::Int, kClBtnFace, ""},
    {"GridLineColor", KeyKind::Int, 12632256, ""},
    {"FixedGridLineColor", KeyKind::Int, 8421504, ""},
    {"Options", KeyKind::Int, 0, ""},
    {"TabOptions", KeyKind::Int, 0, ""},
    {"EditorOptions", KeyKind::Int, 0, ""},
    {"EditControlOptions", KeyKind::Int, 0, ""},
    {"EditColor", KeyKind::Int, kClWindow, ""},
    {"SelectionColor", KeyKind::Int, -16777203, ""},
    {"EditFontColor", KeyKind::Int, kClWindowText, ""},
    {"SelectionFontColor", KeyKind::Int, -16777202, ""},
    {"Font.Charset", KeyKind::Int, 1, ""},
    {"Font.Color", KeyKind::Int, kClWindowText, ""},
    {"Font.Name", KeyKind::Plain, 0, "Tahoma"},
    {"Font.Pitch", KeyKind::Int, 0, ""},
    {"Font.Size", KeyKind::Int, 8, ""},
    {"Font.Style", KeyKind::Int, 0, ""},
    {"PrintMargins.Left", KeyKind::Real, 10, ""},
    {"PrintMargins.Top", KeyKind::Real, 10, ""},
    {"PrintMargins.Right", KeyKind::Real, 10, ""},
    {"PrintMargins.Bottom", KeyKind::Real, 10, ""},
    {"PrintOptions", KeyKind::Int, 0, ""},
    {"ExportTag", KeyKind::Plain, 0, "ProfGridTag"},
    {"SortColumn", KeyKind::Int, -1, ""},
    {"SortDescending", KeyKind::Flag, 0, ""},
    {"SortIndicator", KeyKind::Flag, 0, ""},
    {"SortOnDblClick", KeyKind::Flag, 0, ""},
    {"SortOnClick", KeyKind::Flag, 0, ""},
    {"InplaceScrollBar", KeyKind::Flag, 0, ""},
    {"SpreadsheetEnabled", KeyKind::Flag, 0, ""},
    {"SpreadsheetHeaders", KeyKind::Flag, 0, ""},
    {"HideSelection", KeyKind::Flag, 0, ""},
    {"LoadedEvents", KeyKind::Int, 0, ""},
    {"SpreadsheetOptions", KeyKind::Int, 0, ""},
    {"SortIndicatorColor", KeyKind::Int, -16777200, ""},
    {"CellMargins.Left", KeyKind::Int, 2, ""},
    {"CellMargins.Top", KeyKind::Int, 2, ""},
    {"CellMargins.Right", KeyKind::Int, 2, ""},
    {"CellMargins.Bottom", KeyKind::Int, 2, ""},
    {"RTFMode", KeyKind::Flag, 0, ""},
    {"ButtonColor", KeyKind::Int, kClBtnFace, ""},
    {"SpreadsheetStyle", KeyKind::Int, 0, ""},
    {"Format", KeyKind::Wide, 0, ""},
    {"HorizontalAlignment", KeyKind::Int, 0, ""},
    {"EndEllipsis", KeyKind::Flag, 1, ""},
    {"PrintToFitOptions.ShrinkToPagesWide", KeyKind::Int, 0, ""},
    {"PrintToFitOptions.ShrinkToPagesTall", KeyKind::Int, 0, ""},
    {"PrintToFitOptions.ExpandToPagesWide", KeyKind::Int, 0, ""},
    {"PrintToFitOptions.ExpandToPagesTall", KeyKind::Int, 0, ""},
};

const KeySpec kPrintKeys[] = {
    {"Font.Charset", KeyKind::Int, 1, ""},      {"Font.Color", KeyKind::Int, kClWindowText, ""},
    {"Font.Name", KeyKind::Plain, 0, "Tahoma"}, {"Font.Pitch", KeyKind::Int, 0, ""},
    {"Font.Size", KeyKind::Int, 8, ""},         {"Font.Style", KeyKind::Int, 0, ""},
    {"Alignment", KeyKind::Int, 2, ""},         {"Distance", KeyKind::Real, 5, ""},
};

// ---------------------------------------------------------------------------
// Column, row and cell sections

enum class SectionKind { Column, Row, Cell };
enum class ValueKind { Plain, Wide, Typed, Formula };

struct SectionSpec {
    const char* name;
    SectionKind kind;
    ValueKind value;
};

const SectionSpec kIndexedSections[] = {
    {"Col.Width", SectionKind::Column, ValueKind::Plain},
    {"Col.Visible", SectionKind::Column, ValueKind::Plain},
    {"Col.Movable", SectionKind::Column, ValueKind::Plain},
    {"Col.Resizable", SectionKind::Column, ValueKind::Plain},
    {"Col.TabStop", SectionKind::Column, ValueKind::Plain},
    {"Col.Sortable", SectionKind::Column, ValueKind::Plain},
    {"Col.GridLineColor", SectionKind::Column, ValueKind::Plain},
    {"Col.GridLineWidth", SectionKind::Column, ValueKind::Plain},
    {"Col.MaxWidth", SectionKind::Column, ValueKind::Plain},
    {"Col.MinWidth", SectionKind::Column, ValueKind::Plain},
    {"Col.Font.Name", SectionKind::Column, ValueKind::Plain},
    {"Col.Font.Size", SectionKind::Column, ValueKind::Plain},
    {"Col.Font.Charset", SectionKind::Column, ValueKind::Plain},
    {"Col.Font.Pitch", SectionKind::Column, ValueKind::Plain},
    {"Col.Font.Style", SectionKind::Column, ValueKind::Plain},
    {"Col.Font.Color", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsFont.Name", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsFont.Size", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsFont.Charset", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsFont.Pitch", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsFont.Style", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsFont.Color", SectionKind::Column, ValueKind::Plain},
    {"Col.Color", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsColor", SectionKind::Column, ValueKind::Plain},
    {"Col.ButtonColor", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsButtonColor", SectionKind::Column, ValueKind::Plain},
    {"Col.MaxLength", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsMaxLength", SectionKind::Column, ValueKind::Plain},
    {"Col.WordWrap", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsWordWrap", SectionKind::Column, ValueKind::Plain},
    {"Col.Format", SectionKind::Column, ValueKind::Wide},
    {"Col.FixedRowsFormat", SectionKind::Column, ValueKind::Wide},
    {"Col.HorizontalAlignment", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsHorizontalAlignment", SectionKind::Column, ValueKind::Plain},
    {"Col.TextLayout", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsTextLayout", SectionKind::Column, ValueKind::Plain},
    {"Col.GraphicAlignment", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsGraphicAlignment", SectionKind::Column, ValueKind::Plain},
    {"Col.GraphicLayout", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsGraphicLayout", SectionKind::Column, ValueKind::Plain},
    {"Col.ReadOnly", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsReadOnly", SectionKind::Column, ValueKind::Plain},
    {"Col.Enabled", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsEnabled", SectionKind::Column, ValueKind::Plain},
    {"Col.CheckBox", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsCheckBox", SectionKind::Column, ValueKind::Plain},
    {"Col.CheckBoxAlignment", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsCheckBoxAlignment", SectionKind::Column, ValueKind::Plain},
    {"Col.CheckBoxChecked", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsCheckBoxChecked", SectionKind::Column, ValueKind::Plain},
    {"Col.Button", SectionKind::Column, ValueKind::Plain},
    {"Col.FixedRowsButton", SectionKind::Column, ValueKind::Plain},
    {"Col.CustomData", SectionKind::Column, ValueKind::Typed},
    {"RowHeights", SectionKind::Row, ValueKind::Plain},
    {"Row.Visible", SectionKind::Row, ValueKind::Plain},
    {"Row.Height", SectionKind::Row, ValueKind::Plain},
    {"Row.Movable", SectionKind::Row, ValueKind::Plain},
    {"Row.Resizable", SectionKind::Row, ValueKind::Plain},
    {"Row.GridLineColor", SectionKind::Row, ValueKind::Plain},
    {"Row.GridLineWidth", SectionKind::Row, ValueKind::Plain},
    {"Row.MaxHeight", SectionKind::Row, ValueKind::Plain},
    {"Row.MinHeight", SectionKind::Row, ValueKind::Plain},
    {"Row.CustomData", SectionKind::Row, ValueKind::Typed},
    {"Unions", SectionKind::Cell, ValueKind::Plain},
    {"Formula", SectionKind::Cell, ValueKind::Formula},
    {"Value", SectionKind::Cell, ValueKind::Typed},
    {"Cell.CustomData", SectionKind::Cell, ValueKind::Typed},
    {"Cell.Format", SectionKind::Cell, ValueKind::Wide},
    {"Cell.HorizontalAlignment", SectionKind::Cell, ValueKind::Plain},
    {"Cell.Color", SectionKind::Cell, ValueKind::Plain},
    {"Hint", SectionKind::Cell, ValueKind::Plain},
    {"Cell.ButtonColor", SectionKind::Cell, ValueKind::Plain},
    {"Cell.SelectedColor", SectionKind::Cell, ValueKind::Plain},
    {"Cell.SelectedFontColor", SectionKind::Cell, ValueKind::Plain},
    {"Cell.Font.Charset", SectionKind::Cell, ValueKind::Plain},
    {"Cell.Font.Color", SectionKind::Cell, ValueKind::Plain},
    {"Cell.Font.Name", SectionKind::Cell, ValueKind::Plain},
    {"Cell.Font.Pitch", SectionKind::Cell, ValueKind::Plain},
    {"Cell.Font.Size", SectionKind::Cell, ValueKind::Plain},
    {"Cell.Font.Style", SectionKind::Cell, ValueKind::Plain},
    {"Cell.TextLayout", SectionKind::Cell, ValueKind::Plain},
    {"Cell.GraphicAlignment", SectionKind::Cell, ValueKind::Plain},
    {"Cell.GraphicLayout", SectionKind::Cell, ValueKind::Plain},
    {"Cell.MaxLength", SectionKind::Cell, ValueKind::Plain},
    {"Cell.ReadOnly", SectionKind::Cell, ValueKind::Plain},
    {"Cell.Enabled", SectionKind::Cell, ValueKind::Plain},
    {"Cell.WordWrap", SectionKind::Cell, ValueKind::Plain},
    {"Cell.CheckBox", SectionKind::Cell, ValueKind::Plain},
    {"Cell.CheckBoxChecked", SectionKind::Cell, ValueKind::Plain},
    {"Cell.CheckBoxAlignment", SectionKind::Cell, ValueKind::Plain},
    {"Cell.Button", SectionKind::Cell, ValueKind::Plain},
    {"Graphic", SectionKind::Cell, ValueKind::Plain},
    {"InnerBorders", SectionKind::Cell, ValueKind::Plain},
    {"OuterBorders", SectionKind::Cell, ValueKind::Plain},
};

// The spec of a keyed section by its name in any case; sections the table does
// not list but whose names start "Col.", "Row." or "Cell." are carried as they are.
bool FindIndexedSection(const QString& name, SectionSpec& spec, QString& canonical)
{
    for (const SectionSpec& s : kIndexedSections) {
        if (name.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0) {
            spec = s;
            canonical = QLatin1String(s.name);
            return true;
        }
    }
    canonical = name;
    if (name.startsWith(QLatin1String("Col."), Qt::CaseInsensitive)) {
        spec = {"", SectionKind::Column, ValueKind::Plain};
        return true;
    }
    if (name.startsWith(QLatin1String("Row."), Qt::CaseInsensitive)) {
        spec = {"", SectionKind::Row, ValueKind::Plain};
        return true;
    }
    if (name.startsWith(QLatin1String("Cell."), Qt::CaseInsensitive)) {
        spec = {"", SectionKind::Cell, ValueKind::Plain};
        return true;
    }
    return false;
}

ValueKind ValueKindOf(const QString& section)
{
    SectionSpec spec{};
    QString canonical;
    if (FindIndexedSection(section, spec, canonical))
        return spec.value;
    return ValueKind::Plain;
}

// ---------------------------------------------------------------------------
// Reals of width 23

bool ParsePointReal(const QByteArray& text, double& out)
{
    const QByteArray t = text.trimmed();
    const QByteArray upper = t.toUpper();
    if (upper == "NAN" || upper == "+NAN" || upper == "-NAN") {
        out = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    if (upper == "INF" || upper == "+INF") {
        out = std::numeric_limits<double>::infinity();
        return true;
    }
    if (upper == "-INF") {
        out = -std::numeric_limits<double>::infinity();
        return true;
    }
    // Only the characters of a plain decimal number: no hexadecimal, no words.
    if (t.isEmpty())
        return false;
    for (char c : t) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'E' || c == 'e'))
            return false;
    }
    bool ok = false;
    out = t.toDouble(&ok);
    return ok;
}

// ---------------------------------------------------------------------------
// Reading

constexpr int kMaxShownWarnings = 10;

struct RawSection {
    QString name;
    QList<QByteArray> lines;
};

struct RawIni {
    QList<RawSection> sections;
    QHash<QString, int> index; // lower-case name -> position

    const RawSection* Find(const QString& name) const
    {
        auto it = index.constFind(name.toLower());
        return it == index.constEnd() ? nullptr : &sections[*it];
    }
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\0';
}

// Splits `bytes` into sections. The lines kept are views into `bytes`, which
// must outlive the result. False when the file has more lines than any
// station list could.
bool ParseIni(const QByteArray& bytes, RawIni& ini)
{
    const char* data = bytes.constData();
    qsizetype n = bytes.size();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        data += 3;
        n -= 3;
    }
    qsizetype kept = 0;
    int current = -1;
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && data[end] != '\r' && data[end] != '\n')
            ++end;
        qsizetype next = end + 1;
        if (end < n && data[end] == '\r' && end + 1 < n && data[end + 1] == '\n')
            ++next;

        qsizetype first = start, last = end; // the line without blanks at either end
        while (first < last && IsBlank(data[first]))
            ++first;
        while (last > first && IsBlank(data[last - 1]))
            --last;
        if (first < last && data[first] != ';') {
            if (data[first] == '[' && data[last - 1] == ']' && last - first >= 2) {
                const QString name =
                    FromWin1252(QByteArray(data + first + 1, last - first - 2)).trimmed();
                const QString lower = name.toLower();
                // A section named twice continues where the first one left off.
                auto it = ini.index.constFind(lower);
                if (it != ini.index.constEnd()) {
                    current = *it;
                } else {
                    current = int(ini.sections.size());
                    ini.sections.append({name, {}});
                    ini.index.insert(lower, current);
                }
            } else if (current >= 0) {
                if (++kept > kMaxGridFileLines)
                    return false;
                ini.sections[current].lines.append(
                    QByteArray::fromRawData(data + start, end - start));
            }
        }
        start = next;
    }
    return true;
}

// Key -> raw value of a section with named keys; the first occurrence of a key wins.
QHash<QString, QByteArray> NamedValues(const RawSection* section)
{
    QHash<QString, QByteArray> values;
    if (!section)
        return values;
    for (const QByteArray& line : section->lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QString key = FromWin1252(line.left(eq)).trimmed().toLower();
        if (!values.contains(key))
            values.insert(key, line.mid(eq + 1));
    }
    return values;
}

bool ParseInt32(const QByteArray& text, int& out)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok, 10);
    if (!ok || v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return false;
    out = int(v);
    return true;
}

QString OneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString ShortLine(const QByteArray& line)
{
    QString text = FromWin1252(line.left(60));
    if (line.size() > 60)
        text += QStringLiteral("...");
    return OneLine(text);
}

struct Reader {
    int version = 0;
    bool utf8 = true;
    QString exportTag;
    QStringList* warnings = nullptr;

    QString DecodeWide(const QByteArray& bytes) const
    {
        return utf8 ? QString::fromUtf8(bytes) : FromWin1252(bytes);
    }

    void Warn(const QString& text) const { warnings->append(text); }
};

void ReadKeys(const KeySpec* begin, const KeySpec* end, const QHash<QString, QByteArray>& values,
              const Reader& reader, QMap<QString, QVariant>& props)
{
    for (const KeySpec* k = begin; k != end; ++k) {
        if (k->kind == KeyKind::Size || k->kind == KeyKind::About)
            continue;
        const QString name = QLatin1String(k->name);
        auto it = values.constFind(name.toLower());
        const bool present = it != values.constEnd();
        switch (k->kind) {
        case KeyKind::Int: {
            int v = int(k->number);
            if (present)
                ParseInt32(*it, v);
            props.insert(name, v);
            break;
        }
        case KeyKind::Flag: {
            int v = int(k->number);
            if (present)
                ParseInt32(*it, v);
            props.insert(name, v != 0);
            break;
        }
        case KeyKind::Real: {
            double v = k->number;
            if (present && !ParsePointReal(*it, v))
                v = k->number;
            props.insert(name, v);
            break;
        }
        case KeyKind::Plain:
            props.insert(name, present ? FromWin1252(*it) : QString::fromLatin1(k->text));
            break;
        case KeyKind::Wide:
            props.insert(name, present ? reader.DecodeWide(*it) : QString::fromLatin1(k->text));
            break;
        default:
            break;
        }
    }
}

const char* TypeName(uint16_t type)
{
    switch (type) {
    case GridVarType::Smallint:
        return "Smallint";
    case GridVarType::Integer:
        return "Integer";
    case GridVarType::Single:
        return "Single";
    case GridVarType::Double:
        return "Double";
    case GridVarType::Currency:
        return "Currency";
    case GridVarType::Date:
        return "Date";
    case GridVarType::Boolean:
        return "Boolean";
    case GridVarType::ShortInt:
        return "ShortInt";
    case GridVarType::Byte:
        return "Byte";
    case GridVarType::Word:
        return "Word";
    case GridVarType::LongWord:
        return "LongWord";
    case GridVarType::Int64:
        return "Int64";
    case GridVarType::UInt64:
        return "UInt64";
    default:
        return nullptr;
    }
}

QString TypeLabel(uint16_t type)
{
    const char* name = TypeName(type);
    return name ? QString::fromLatin1(name)
                : QStringLiteral("%1").arg(type, 3, 16, QLatin1Char('0')).toUpper();
}

// Converts a real to the named type; false with the reason when it cannot.
bool ConvertToType(double v, uint16_t type, double& out, QString& error)
{
    auto whole = [&](double lo, double hi) {
        if (!std::isfinite(v)) {
            error = QStringLiteral("Invalid value for type (%1)").arg(TypeLabel(type));
            return false;
        }
        const double r = std::nearbyint(v); // halves to even
        if (r < lo || r > hi) {
            error = QStringLiteral("Value out of range for type (%1)").arg(TypeLabel(type));
            return false;
        }
        out = r;
        return true;
    };
    switch (type) {
    case GridVarType::Smallint:
        return whole(-32768.0, 32767.0);
    case GridVarType::Integer:
        return whole(-2147483648.0, 2147483647.0);
    case GridVarType::ShortInt:
        return whole(-128.0, 127.0);
    case GridVarType::Byte:
        return whole(0.0, 255.0);
    case GridVarType::Word:
        return whole(0.0, 65535.0);
    case GridVarType::LongWord:
        return whole(0.0, 4294967295.0);
    // The largest doubles below 2^63 and 2^64.
    case GridVarType::Int64:
        return whole(-9223372036854775808.0, 9223372036854774784.0);
    case GridVarType::UInt64:
        return whole(0.0, 18446744073709549568.0);
    case GridVarType::Single:
        if (std::isfinite(v) && std::fabs(v) > double(FLT_MAX)) {
            error = QStringLiteral("Value out of range for type (Single)");
            return false;
        }
        out = double(float(v));
        return true;
    case GridVarType::Currency:
        if (!std::isfinite(v) || std::fabs(v) > 922337203685477.0) {
            error = QStringLiteral("Value out of range for type (Currency)");
            return false;
        }
        out = std::nearbyint(v * 10000.0) / 10000.0;
        return true;
    case GridVarType::Double:
    case GridVarType::Date:
        out = v;
        return true;
    case GridVarType::Boolean:
        out = (v != 0 || std::isnan(v)) ? -1.0 : 0.0;
        return true;
    default:
        error = QStringLiteral("Could not convert the value into type (%1)").arg(TypeLabel(type));
        return false;
    }
}

QString LocaleText(double v, uint16_t type, const QLocale& locale)
{
    switch (type) {
    case GridVarType::Boolean:
        return v != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case GridVarType::UInt64:
        return QString::number(quint64(v));
    case GridVarType::Smallint:
    case GridVarType::Integer:
    case GridVarType::ShortInt:
    case GridVarType::Byte:
    case GridVarType::Word:
    case GridVarType::LongWord:
    case GridVarType::Int64:
        return QString::number(qint64(v));
    case GridVarType::Single:
        return locale.toString(v, 'g', 7);
    default:
        return locale.toString(v, 'g', 15);
    }
}

GridValue Unreadable(const Reader& reader, const QString& text)
{
    reader.Warn(QStringLiteral("Check your system locale:\n") + text);
    return GridValue::MakeText(QStringLiteral("?"));
}

GridValue ReadNumber(const QByteArray& payload, uint16_t type, const Reader& reader)
{
    double converted = 0;
    QString error;
    if (reader.version >= 34407) {
        double v = 0;
        if (!ParsePointReal(payload, v)) {
            error = QStringLiteral("\"%1\" is not a valid number")
                        .arg(QString::fromLatin1(payload).trimmed());
            return Unreadable(reader, error + QStringLiteral("\n\"") + FromWin1252(payload) +
                                          QStringLiteral("\""));
        }
        if (!ConvertToType(v, type, converted, error))
            return Unreadable(reader, error + QStringLiteral("\n\"") + FromWin1252(payload) +
                                          QStringLiteral("\""));
        return GridValue::MakeNumber(converted, type);
    }

    // Older files wrote numbers in the writer's own number settings.
    const QString text = reader.DecodeWide(payload);
    const QString s = text.trimmed();
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    double v = 0;
    bool ok = false;
    if (type == GridVarType::Boolean &&
        (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
         s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)) {
        v = s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ? -1 : 0;
        ok = true;
    } else {
        v = locale.toDouble(s, &ok);
    }
    if (!ok) {
        error = QStringLiteral("\"%1\" is not a valid number").arg(s);
        return Unreadable(reader, error + QStringLiteral("\n\"") + text + QStringLiteral("\""));
    }
    if (!ConvertToType(v, type, converted, error))
        return Unreadable(reader, error + QStringLiteral("\n\"") + text + QStringLiteral("\""));
    const QString back = LocaleText(converted, type, locale);
    if (back.compare(s, Qt::CaseInsensitive) != 0)
        return Unreadable(reader, QStringLiteral("\"") + text + QStringLiteral("\" <> \"") + back +
                                      QStringLiteral("\""));
    return GridValue::MakeNumber(converted, type);
}

// False only for a value that is not a typed value at all.
bool ReadTyped(const QByteArray& raw, const Reader& reader, GridValue& out)
{
    out = GridValue();
    if (raw.isEmpty())
        return true;
    if (raw.size() < 3)
        return false;
    uint16_t type = 0;
    for (int i = 0; i < 3; ++i) {
        const char c = raw[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        if (digit < 0)
            return false;
        type = uint16_t(type * 16 + digit);
    }
    const QByteArray payload = raw.mid(3);
    switch (type) {
    case GridVarType::Empty:
        return true;
    case GridVarType::Null:
        out = GridValue::MakeNull();
        return true;
    case GridVarType::Error: {
        int code = 0;
        if (!ParseInt32(payload, code)) {
            out = Unreadable(reader, QStringLiteral("\"%1\" is not a valid error code\n\"%1\"")
                                         .arg(FromWin1252(payload)));
            return true;
        }
        out = GridValue::MakeError(code);
        return true;
    }
    case GridVarType::OleStr:
    case GridVarType::String: {
        QString text = reader.DecodeWide(payload);
        text.replace(reader.exportTag, QStringLiteral("\r\n"));
        out = GridValue::MakeText(text, type);
        return true;
    }
    default:
        out = ReadNumber(payload, type, reader);
        return true;
    }
}

enum class KeyStatus { Ok, Invalid, OutOfRange };

// "12=value" or, for cells, "2 460=value".
KeyStatus ParseIndexedLine(const QByteArray& line, bool cellKey, qint64& first, qint64& second,
                           QByteArray& value)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return KeyStatus::Invalid;
    auto digits = [](const QByteArray& text, qsizetype from, qsizetype to, qint64& number) {
        number = 0;
        qsizetype i = from;
        for (; i < to && text[i] >= '0' && text[i] <= '9'; ++i)
            number = std::min<qint64>(number * 10 + (text[i] - '0'), 10000000000LL);
        return i;
    };
    qsizetype from = 0; // an indented line is read like any other
    while (from < eq && IsBlank(line[from]))
        ++from;
    const qsizetype end = digits(line, from, eq, first);
    if (end == from)
        return KeyStatus::Invalid;
    second = 0;
    if (cellKey) {
        if (end >= eq)
            return KeyStatus::Invalid;
        const QByteArray rowText = line.mid(end + 1, eq - end - 1).trimmed();
        if (rowText.isEmpty() || digits(rowText, 0, rowText.size(), second) != rowText.size())
            return KeyStatus::Invalid;
    }
    value = line.mid(eq + 1);
    return KeyStatus::Ok;
}

QString CellOutOfRange()
{
    return QStringLiteral("Grid index out of range");
}

bool ReadIndexedSection(const RawSection& section, const SectionSpec& spec,
                        const QString& canonical, const Reader& reader, GridModel& grid,
                        QString& error)
{
    const bool cellKey = spec.kind == SectionKind::Cell;
    for (const QByteArray& line : section.lines) {
        qint64 first = 0, second = 0;
        QByteArray raw;
        if (ParseIndexedLine(line, cellKey, first, second, raw) != KeyStatus::Ok) {
            error = QStringLiteral("The line \"%1\" in section [%2] does not start with a valid "
                                   "%3 number.")
                        .arg(ShortLine(line), section.name,
                             cellKey ? QStringLiteral("cell")
                                     : (spec.kind == SectionKind::Column ? QStringLiteral("column")
                                                                         : QStringLiteral("row")));
            return false;
        }
        const qint64 limit = spec.kind == SectionKind::Row ? grid.RowCount() : grid.ColCount();
        if (first >= limit || (cellKey && second >= grid.RowCount())) {
            error = CellOutOfRange();
            return false;
        }
        const int index = int(first);
        QString text;
        GridValue typed;
        switch (spec.value) {
        case ValueKind::Typed:
            if (!ReadTyped(raw, reader, typed)) {
                error = QStringLiteral("The line \"%1\" in section [%2] holds no valid value.")
                            .arg(ShortLine(line), section.name);
                return false;
            }
            break;
        case ValueKind::Wide:
        case ValueKind::Formula:
            text = reader.DecodeWide(raw);
            break;
        case ValueKind::Plain:
            text = FromWin1252(raw);
            break;
        }

        if (spec.kind == SectionKind::Cell) {
            GridCell* cell = grid.EditCell(index, int(second));
            if (grid.Cells().size() > size_t(GridModel::kMaxCellCount)) {
                error = QStringLiteral("The file holds more cells than a station list can have.");
                return false;
            }
            if (canonical == QLatin1String("Value"))
                cell->Value = typed;
            else if (canonical == QLatin1String("Cell.CustomData"))
                cell->CustomData = typed;
            else if (canonical == QLatin1String("Formula"))
                cell->Formula = text;
            else
                cell->Settings.insert(canonical, text);
            if (cell->IsUnused())
                grid.ClearCell(index, int(second));
        } else {
            const bool column = spec.kind == SectionKind::Column;
            if (spec.value == ValueKind::Typed) {
                auto& data = column ? grid.ColumnCustomData : grid.RowCustomData;
                if (typed.IsEmpty())
                    data.erase(index);
                else
                    data[index] = typed;
            } else {
                auto& settings = column ? grid.ColumnSettings : grid.RowSettings;
                settings[canonical][index] = text;
            }
        }
    }
    return true;
}

QStringList ReadIndexedLines(const RawSection* section)
{
    QStringList lines;
    if (!section)
        return lines;
    constexpr int kMaxLines = 1000;
    std::map<int, QString> byIndex;
    for (const QByteArray& line : section->lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        int index = 0;
        if (!ParseInt32(line.left(eq), index) || index < 0 || index >= kMaxLines)
            continue;
        byIndex.emplace(index, FromWin1252(line.mid(eq + 1)));
    }
    if (byIndex.empty())
        return lines;
    for (int i = 0; i <= byIndex.rbegin()->first; ++i) {
        auto it = byIndex.find(i);
        lines.append(it == byIndex.end() ? QString() : it->second);
    }
    return lines;
}

// One of the size keys; the names of older files first when the version asks for them.
enum class SizeStatus { Ok, Missing, Invalid };

SizeStatus ReadSize(const QHash<QString, QByteArray>& values, const char* preferred,
                    const char* other, qlonglong& out)
{
    auto it = values.constFind(QString::fromLatin1(preferred).toLower());
    if (it == values.constEnd())
        it = values.constFind(QString::fromLatin1(other).toLower());
    if (it == values.constEnd())
        return SizeStatus::Missing;
    const QByteArray text = it->trimmed();
    bool ok = false;
    out = text.toLongLong(&ok, 10);
    if (!ok) {
        // Digits too many for any integer still say "far too large".
        const QByteArray digits = text.startsWith('+') ? text.mid(1) : text;
        if (digits.isEmpty() ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return SizeStatus::Invalid;
        out = std::numeric_limits<qlonglong>::max();
    }
    return SizeStatus::Ok;
}

// ---------------------------------------------------------------------------
// Writing

struct Writer {
    QList<RawSection> sections;
    QHash<QString, int> index;

    void Add(const QString& section, const QByteArray& line)
    {
        auto it = index.constFind(section);
        int at = 0;
        if (it == index.constEnd()) {
            at = int(sections.size());
            sections.append({section, {}});
            index.insert(section, at);
        } else {
            at = *it;
        }
        sections[at].lines.append(line);
    }
    void Plain(const QString& section, const QString& key, const QString& value)
    {
        Add(section, ToWin1252(key + QLatin1Char('=') + OneLine(value)));
    }
    void Wide(const QString& section, const QString& key, const QString& value)
    {
        Add(section, (key + QLatin1Char('=') + OneLine(value)).toUtf8());
    }
};

QString TypedText(const GridValue& value, const QString& exportTag)
{
    const QString code = QStringLiteral("%1").arg(value.Type, 3, 16, QLatin1Char('0')).toUpper();
    if (value.Type == GridVarType::Null)
        return code;
    if (value.Type == GridVarType::Error)
        return code + QString::number(value.ErrorCode);
    if (value.IsText()) {
        QString text = value.Text;
        text.replace(QLatin1String("\r\n"), exportTag);
        // A lone CR or LF would split the line as surely as a pair.
        text.replace(QLatin1Char('\r'), exportTag);
        text.replace(QLatin1Char('\n'), exportTag);
        return code + text;
    }
    return code + FormatGridReal(value.Number);
}

void WriteTyped(Writer& w, const QString& section, const QString& key, const GridValue& value,
                const QString& exportTag)
{
    if (value.IsEmpty())
        return;
    const QString line = key + QLatin1Char('=') + TypedText(value, exportTag);
    w.Add(section, value.IsText() ? line.toUtf8() : ToWin1252(line));
}

void WriteKeys(Writer& w, const QString& section, const KeySpec* begin, const KeySpec* end,
               const QMap<QString, QVariant>& props, const GridModel& grid)
{
    for (const KeySpec* k = begin; k != end; ++k) {
        const QString name = QLatin1String(k->name);
        const QVariant v = props.value(name);
        switch (k->kind) {
        case KeyKind::About:
            w.Plain(section, name, kGridAboutText);
            break;
        case KeyKind::Size: {
            int n = 0;
            if (name == QLatin1String("AbsoluteColCount"))
                n = grid.ColCount();
            else if (name == QLatin1String("AbsoluteRowCount"))
                n = grid.RowCount();
            else if (name == QLatin1String("AbsoluteFixedCols"))
                n = grid.FixedCols();
            else
                n = grid.FixedRows();
            w.Plain(section, name, QString::number(n));
            break;
        }
        case KeyKind::Int: {
            bool ok = false;
            int n = v.toInt(&ok);
            if (!ok)
                n = int(k->number);
            if (name == QLatin1String("HorizontalAlignment") && n == 0)
                break;
            w.Plain(section, name, QString::number(n));
            break;
        }
        case KeyKind::Flag:
            w.Plain(section, name,
                    (v.isValid() ? v.toBool() : k->number != 0) ? QStringLiteral("1")
                                                                : QStringLiteral("0"));
            break;
        case KeyKind::Real: {
            bool ok = false;
            double d = v.toDouble(&ok);
            if (!ok)
                d = k->number;
            w.Plain(section, name, FormatGridReal(d));
            break;
        }
        case KeyKind::Plain:
            if (name == QLatin1String("ExportTag"))
                w.Plain(section, name, grid.ExportTag());
            else
                w.Plain(section, name, v.isValid() ? v.toString() : QString::fromLatin1(k->text));
            break;
        case KeyKind::Wide: {
            const QString text = v.isValid() ? v.toString() : QString::fromLatin1(k->text);
            if (!text.isEmpty())
                w.Wide(section, name, text);
            break;
        }
        }
    }
}

QString OsVersionKey()
{
    // The kernel's numbers stand where the system's major.minor.build would.
    QStringList parts;
    QString digits;
    for (const QChar c : QSysInfo::kernelVersion() + QLatin1Char('-')) {
        if (c.isDigit()) {
            digits += c;
        } else {
            if (!digits.isEmpty())
                parts.append(digits);
            digits.clear();
            if (c != QLatin1Char('.') || parts.size() >= 3)
                break;
        }
    }
    while (parts.size() < 3)
        parts.append(QStringLiteral("0"));
    return parts.mid(0, 3).join(QLatin1Char('.'));
}

QString ResolveExisting(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (info.exists() || info.fileName() != fileName)
        return fileName;
    const QString found = FindExistingFile(fileName);
    return found.isEmpty() ? fileName : found;
}

} // namespace

// ---------------------------------------------------------------------------

QString FormatGridReal(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        value = 0; // no "-0"
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14E", value);
    QString text = QString::fromLatin1(buffer);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    const QString mantissa = text.left(e);
    const QChar sign = text.at(e + 1);
    const QString exponent = text.mid(e + 2).rightJustified(4, QLatin1Char('0'));
    return (value < 0 ? QString() : QStringLiteral(" ")) + mantissa + QLatin1Char('E') + sign +
           exponent;
}

int GridFileVersion(const QString& about)
{
    auto digitAt = [&](int position) {
        if (position > about.size())
            return -1;
        const QChar c = about.at(position - 1);
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : -1;
    };
    const int d1 = digitAt(2);
    const int d2 = digitAt(4);
    const int d3 = digitAt(d1 == 2 ? 5 : 6);
    const QString tail = about.mid(d1 == 2 ? 6 : 7, 2).trimmed();
    bool ok = !tail.isEmpty();
    for (const QChar c : tail)
        ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (d1 < 0 || d2 < 0 || d3 < 0 || !ok)
        return 0;
    const int d4 = tail.toInt();
    return int(std::lround((d1 + d2 / 10.0 + d3 / 100.0 + d4 / 10000.0) * 10000.0));
}

GridFileResult LoadGridFromIniBytes(GridModel& grid, const QByteArray& bytes)
{
    GridFileResult result;
    auto fail = [&](const QString& message) {
        result.ok = false;
        result.message = message;
        result.warnings.clear();
        return result;
    };
    if (bytes.size() > kMaxGridFileBytes)
        return fail(QStringLiteral("The file is larger than a station list can be."));

    RawIni ini;
    if (!ParseIni(bytes, ini))
        return fail(QStringLiteral("The file has more lines than a station list can have."));
    const QHash<QString, QByteArray> gridValues = NamedValues(ini.Find(QStringLiteral("Grid")));

    Reader reader;
    reader.warnings = &result.warnings;
    QString about;
    if (auto it = gridValues.constFind(QStringLiteral("about")); it != gridValues.constEnd()) {
        about = FromWin1252(*it);
        reader.version = GridFileVersion(about);
    }
    result.version = reader.version;
    // Files of the grid's other editions kept single-byte text until 34407.
    const bool otherEdition =
        about.contains(QLatin1String(".NET")) || about.contains(QLatin1String("CLX"));
    reader.utf8 = reader.version >= 34407 ||
                  (reader.version >= 34000 && reader.version <= 34406 && !otherEdition);

    // The size comes first and is checked before anything is built from it.
    const bool oldCols = reader.version < 23000;
    const bool oldRows = reader.version < 31000;
    qlonglong cols = 5, rows = 5, fixedCols = 1, fixedRows = 1;
    const SizeStatus sizes[] = {
        ReadSize(gridValues, oldCols ? "ColCount" : "AbsoluteColCount",
                 oldCols ? "AbsoluteColCount" : "ColCount", cols),
        ReadSize(gridValues, oldRows ? "RowCount" : "AbsoluteRowCount",
                 oldRows ? "AbsoluteRowCount" : "RowCount", rows),
        ReadSize(gridValues, oldCols ? "FixedCols" : "AbsoluteFixedCols",
                 oldCols ? "AbsoluteFixedCols" : "FixedCols", fixedCols),
        ReadSize(gridValues, oldRows ? "FixedRows" : "AbsoluteFixedRows",
                 oldRows ? "AbsoluteFixedRows" : "FixedRows", fixedRows),
    };
    for (SizeStatus s : sizes) {
        if (s == SizeStatus::Invalid)
            return fail(QStringLiteral("The grid size in section [Grid] is not a number."));
    }
    if (cols < 0 || rows < 0 || cols > GridModel::kMaxColCount || rows > GridModel::kMaxRowCount) {
        return fail(QStringLiteral("The grid size in section [Grid] (%1 columns, %2 rows) is "
                                   "beyond what a station list can be: at most %3 columns and "
                                   "%4 rows.")
                        .arg(cols)
                        .arg(rows)
                        .arg(GridModel::kMaxColCount)
                        .arg(GridModel::kMaxRowCount));
    }
    if (fixedCols < 0 || fixedRows < 0 || fixedCols > cols || fixedRows > rows)
        return fail(QStringLiteral("The fixed columns or rows in section [Grid] do not fit the "
                                   "grid's size."));

    GridModel loaded;
    loaded.ClearContents();
    loaded.SetSize(int(cols), int(rows));
    loaded.SetFixed(int(fixedCols), int(fixedRows));
    ReadKeys(std::begin(kGridKeys), std::end(kGridKeys), gridValues, reader, loaded.Properties);
    reader.exportTag = loaded.ExportTag();

    loaded.PrintHeaderLines = ReadIndexedLines(ini.Find(QStringLiteral("PrintHeader.Lines")));
    loaded.PrintFooterLines = ReadIndexedLines(ini.Find(QStringLiteral("PrintFooter.Lines")));
    ReadKeys(std::begin(kPrintKeys), std::end(kPrintKeys),
             NamedValues(ini.Find(QStringLiteral("PrintHeader"))), reader, loaded.PrintHeader);
    ReadKeys(std::begin(kPrintKeys), std::end(kPrintKeys),
             NamedValues(ini.Find(QStringLiteral("PrintFooter"))), reader, loaded.PrintFooter);

    for (const RawSection& section : ini.sections) {
        SectionSpec spec{};
        QString canonical;
        if (!FindIndexedSection(section.name, spec, canonical))
            continue;
        QString error;
        if (!ReadIndexedSection(section, spec, canonical, reader, loaded, error))
            return fail(error);
    }

    grid = std::move(loaded);
    return result;
}

GridFileResult LoadGridFromIni(GridModel& grid, const QString& fileName)
{
    GridFileResult result;
    const QString path = ResolveExisting(fileName);
    const QFileInfo info(path);
    if (!info.exists()) {
        result = LoadGridFromIniBytes(grid, QByteArray());
        result.fileMissing = true;
        return result;
    }
    auto fail = [&](const QString& reason) {
        result.ok = false;
        result.message = QStringLiteral("Cannot read \"%1\": %2").arg(fileName, reason);
        return result;
    };
    if (!info.isFile())
        return fail(QStringLiteral("it is not a file"));
    if (info.size() > kMaxGridFileBytes)
        return fail(QStringLiteral("the file is larger than a station list can be"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const QByteArray bytes = file.read(kMaxGridFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.size() > kMaxGridFileBytes)
        return fail(QStringLiteral("the file is larger than a station list can be"));

    result = LoadGridFromIniBytes(grid, bytes);
    if (!result.ok) {
        // The grid's own error keeps its exact words.
        if (result.message != CellOutOfRange())
            result.message = QStringLiteral("Cannot read \"%1\": %2").arg(fileName, result.message);
        return result;
    }
    // A file full of unreadable numbers must not bury the user under message boxes.
    const qsizetype shown = std::min<qsizetype>(result.warnings.size(), kMaxShownWarnings);
    for (qsizetype i = 0; i < shown; ++i)
        Messages().Show(MessageBoxes::Kind::Warning, MessageBoxes::Buttons::Ok,
                        QStringLiteral("Tavrel"), result.warnings[i], QPoint(-1, -1));
    if (result.warnings.size() > shown)
        Messages().Show(MessageBoxes::Kind::Warning, MessageBoxes::Buttons::Ok,
                        QStringLiteral("Tavrel"),
                        QStringLiteral("%1 more values of \"%2\" could not be read and show \"?\".")
                            .arg(result.warnings.size() - shown)
                            .arg(fileName),
                        QPoint(-1, -1));
    return result;
}

QByteArray GridToIniBytes(const GridModel& grid)
{
    Writer w;
    const QString exportTag = grid.ExportTag();

    const QString windows = QStringLiteral("Windows");
    w.Plain(windows, OsVersionKey(), QString());
    w.Plain(windows, QStringLiteral("LOGPIXELSX"), QStringLiteral("96"));
    w.Plain(windows, QStringLiteral("LOGPIXELSY"), QStringLiteral("96"));

    WriteKeys(w, QStringLiteral("Grid"), std::begin(kGridKeys), std::end(kGridKeys),
              grid.Properties, grid);

    for (int i = 0; i < grid.PrintHeaderLines.size(); ++i)
        w.Plain(QStringLiteral("PrintHeader.Lines"), QString::number(i), grid.PrintHeaderLines[i]);
    for (int i = 0; i < grid.PrintFooterLines.size(); ++i)
        w.Plain(QStringLiteral("PrintFooter.Lines"), QString::number(i), grid.PrintFooterLines[i]);
    WriteKeys(w, QStringLiteral("PrintHeader"), std::begin(kPrintKeys), std::end(kPrintKeys),
              grid.PrintHeader, grid);
    WriteKeys(w, QStringLiteral("PrintFooter"), std::begin(kPrintKeys), std::end(kPrintKeys),
              grid.PrintFooter, grid);

    auto writeIndexed = [&](const GridIndexedSettings& settings, int limit) {
        for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
            const bool wide = ValueKindOf(it.key()) == ValueKind::Wide;
            for (const auto& [index, text] : it.value()) {
                if (index < 0 || index >= limit)
                    continue;
                if (wide)
                    w.Wide(it.key(), QString::number(index), text);
                else
                    w.Plain(it.key(), QString::number(index), text);
            }
        }
    };
    writeIndexed(grid.ColumnSettings, grid.ColCount());
    writeIndexed(grid.RowSettings, grid.RowCount());
    for (const auto& [col, value] : grid.ColumnCustomData)
        if (col >= 0 && col < grid.ColCount())
            WriteTyped(w, QStringLiteral("Col.CustomData"), QString::number(col), value, exportTag);
    for (const auto& [row, value] : grid.RowCustomData)
        if (row >= 0 && row < grid.RowCount())
            WriteTyped(w, QStringLiteral("Row.CustomData"), QString::number(row), value, exportTag);

    for (const auto& [key, cell] : grid.Cells()) {
        const QString cellKey =
            QStringLiteral("%1 %2").arg(GridModel::KeyCol(key)).arg(GridModel::KeyRow(key));
        if (auto unions = cell.Settings.constFind(QStringLiteral("Unions"));
            unions != cell.Settings.constEnd())
            w.Plain(QStringLiteral("Unions"), cellKey, *unions);
        if (!cell.Formula.isEmpty())
            w.Wide(QStringLiteral("Formula"), cellKey, cell.Formula);
        else
            WriteTyped(w, QStringLiteral("Value"), cellKey, cell.Value, exportTag);
        WriteTyped(w, QStringLiteral("Cell.CustomData"), cellKey, cell.CustomData, exportTag);
        for (auto it = cell.Settings.cbegin(); it != cell.Settings.cend(); ++it) {
            if (it.key() == QLatin1String("Unions"))
                continue;
            if (ValueKindOf(it.key()) == ValueKind::Wide)
                w.Wide(it.key(), cellKey, it.value());
            else
                w.Plain(it.key(), cellKey, it.value());
        }
    }

    std::stable_sort(w.sections.begin(), w.sections.end(),
                     [](const RawSection& a, const RawSection& b) {
                         return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
                     });
    QByteArray out("\xEF\xBB\xBF");
    for (const RawSection& section : w.sections) {
        out += ToWin1252(QLatin1Char('[') + section.name + QLatin1Char(']'));
        out += "\r\n";
        for (const QByteArray& line : section.lines) {
            out += line;
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

GridFileResult SaveGridToIni(const GridModel& grid, const QString& fileName)
{
    GridFileResult result;
    result.version = GridFileVersion(kGridAboutText);
    const QString path = ResolveExisting(fileName);
    auto fail = [&](const QString& reason) {
        result.ok = false;
        result.message = QStringLiteral("Cannot save \"%1\": %2").arg(fileName, reason);
        return result;
    };
    QString reason;
    if (!WriteFileAtomically(path, GridToIniBytes(grid), reason))
        return fail(reason);
    return result;
}
