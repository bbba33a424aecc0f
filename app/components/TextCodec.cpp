#include "TextCodec.h"

namespace
{

// Characters of the bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

} // namespace

QString FromWin1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += (b >= 0x80 && b <= 0x9F) ? QChar(HighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray ToWin1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        char out = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out = static_cast<char>(u);
        } else {
            for (int j = 0; j < 32; ++j) {
                if (HighControls[j] == u) {
                    out = static_cast<char>(0x80 + j);
                    break;
                }
            }
        }
        // A character outside the basic plane is one '?', not two.
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes += out;
    }
    return bytes;
}
