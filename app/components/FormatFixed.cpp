#include "FormatFixed.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{

using U128 = unsigned __int128;

// |x| as M / 2^s with M a 64-bit integer. Valid for 0 < |x| < 2^64, where s > 0.
struct Binary {
    uint64_t M = 0;
    int s = 0;
};

Binary Decompose(long double ax)
{
    int e = 0;
    const long double mant = std::frexp(ax, &e); // ax = mant * 2^e, mant in [0.5, 1)
    Binary b;
    b.M = static_cast<uint64_t>(std::ldexp(mant, 64)); // exact: 64-bit significand
    b.s = 64 - e;
    return b;
}

U128 Pow10(int n)
{
    U128 r = 1;
    for (int i = 0; i < n; ++i)
        r *= 10;
    return r;
}

// Sign of |x| - 10^n, exactly, for 0 < |x| < 2^64 and -19 <= n <= 19.
int ComparePow10(const Binary& b, int n)
{
    if (n >= 0) {
        // M vs 10^n * 2^s
        if (b.s >= 64)
            return -1;
        const U128 rhs = Pow10(n) << b.s;
        const U128 lhs = b.M;
        return lhs < rhs ? -1 : (lhs > rhs ? 1 : 0);
    }
    // M * 10^-n vs 2^s
    const U128 lhs = static_cast<U128>(b.M) * Pow10(-n);
    if (b.s >= 128)
        return -1;
    const U128 rhs = static_cast<U128>(1) << b.s;
    return lhs < rhs ? -1 : (lhs > rhs ? 1 : 0);
}

// |x| * 10^k rounded half away from zero, exactly; 0 <= k <= 18.
U128 RoundScaled(const Binary& b, int k)
{
    const U128 n = static_cast<U128>(b.M) * Pow10(k); // below 2^124
    if (b.s == 0)
        return n;
    if (b.s >= 126)
        return 0; // below a quarter
    const U128 q = n >> b.s;
    const U128 r = n - (q << b.s);
    const U128 half = static_cast<U128>(1) << (b.s - 1);
    return r >= half ? q + 1 : q;
}

QString Digits(U128 v)
{
    if (v == 0)
        return QStringLiteral("0");
    QString s;
    while (v > 0) {
        s.prepend(QChar(u'0' + static_cast<int>(v % 10)));
        v /= 10;
    }
    return s;
}

QString Scientific(long double x, int p)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", p - 1, x);
    QString text = QString::fromLatin1(buf);
    const qsizetype ePos = text.indexOf(u'e');
    QString mantissa = text.left(ePos);
    const int exponent = text.mid(ePos + 1).toInt();
    if (mantissa.contains(u'.')) {
        while (mantissa.endsWith(u'0'))
            mantissa.chop(1);
        if (mantissa.endsWith(u'.'))
            mantissa.chop(1);
    }
    return mantissa + u'E' + QString::number(exponent);
}

} // namespace

QString FormatFixed(long double x, int p, int d)
{
    p = std::clamp(p, 2, 18);
    d = std::clamp(d, 0, 18);
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    const long double ax = std::fabs(x);
    const bool negative = x < 0;
    U128 rounded = 0;
    int k = d;
    if (ax != 0) {
        if (ax >= 1e19L)
            return Scientific(x, p);
        const Binary b = Decompose(ax);
        if (ComparePow10(b, -18) >= 0) {
            // Decimal exponent of the leading digit, made exact after the estimate.
            int e10 = static_cast<int>(std::floor(std::log10(ax)));
            while (e10 > -18 && ComparePow10(b, e10) < 0)
                --e10;
            while (e10 < 18 && ComparePow10(b, e10 + 1) >= 0)
                ++e10;
            if (e10 + 1 > p)
                return Scientific(x, p);
            k = std::min(d, p - 1 - e10);
        }
        // Tinier values: the p-th digit lies beyond any allowed decimal.
        rounded = RoundScaled(b, k);
        // Rounding up may add a digit before the point (999999.7 to 6 digits).
        if (Digits(rounded).size() - k > p)
            return Scientific(x, p);
    }

    QString digits = Digits(rounded);
    if (digits.size() < k + 1)
        digits.prepend(QString(k + 1 - digits.size(), u'0'));
    QString text = digits.left(digits.size() - k);
    if (d > 0)
        text += u'.' + digits.right(k) + QString(d - k, u'0');
    if (negative && rounded != 0)
        text.prepend(u'-');
    return text;
}
