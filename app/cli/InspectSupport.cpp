#include "InspectSupport.h"

#include <charconv>
#include <cmath>
#include <limits>

QString ExtendedText(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (value == 0)
        return QStringLiteral("0");
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        return QStringLiteral("?");
    return QString::fromLatin1(buffer, end - buffer);
}

QJsonValue ExtendedJson(long double value)
{
    const long double magnitude = std::fabs(value);
    if (value == 0)
        return 0.0;
    if (std::isfinite(value) && magnitude <= std::numeric_limits<double>::max() &&
        magnitude >= std::numeric_limits<double>::min())
        return static_cast<double>(value);
    return ExtendedText(value);
}

QString QuotedText(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        // A whole pair stands for one character beyond the basic plane.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        switch (u) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        default:
            if (u < 0x20 || u == 0x7F)
                out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
            else if ((u >= 0x80 && u < 0xA0) || c.isSurrogate() || u == 0x2028 || u == 0x2029)
                out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

CollectedMessages::CollectedMessages() : previous_(&Messages())
{
    SetMessages(this);
}

CollectedMessages::~CollectedMessages()
{
    SetMessages(previous_);
}

MessageBoxes::Answer CollectedMessages::Show(Kind, Buttons buttons, const QString&,
                                             const QString& text, QPoint)
{
    texts.append(text);
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}
