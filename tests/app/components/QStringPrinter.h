#pragma once

#include <QString>
#include <ostream>

// Shows a QString as text in GoogleTest failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
