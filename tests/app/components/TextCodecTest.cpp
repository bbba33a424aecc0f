#include "TextCodec.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace
{

TEST(TextCodec, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(ToWin1252(FromWin1252(all)), all);
}

TEST(TextCodec, CharactersMapToTheCodePage)
{
    struct Case {
        QString text;
        QByteArray bytes;
    } cases[] = {
        {QStringLiteral("45°"), QByteArray("45\xB0")},
        {QString(QChar(0x20AC)), QByteArray("\x80")}, // euro sign
        {QString(QChar(0x0178)), QByteArray("\x9F")}, // Y with diaeresis
        {QStringLiteral("Zürich"), QByteArray("Z\xFCrich")},
        {QString(QChar(0x03A9)), QByteArray("?")},               // Greek omega: not in the page
        {QString::fromUcs4(U"a\U0001F600b"), QByteArray("a?b")}, // one '?' per character
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToWin1252(c.text), c.bytes) << c.text.toStdString();
        if (!c.bytes.contains('?'))
            EXPECT_EQ(FromWin1252(c.bytes), c.text);
    }
}

} // namespace
