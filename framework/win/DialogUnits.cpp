#include "DialogUnits.h"

#include <QFontMetrics>

namespace {
// x * numerator / denominator rounded to the nearest integer, halves away from zero.
int mulDiv(int x, int numerator, int denominator)
{
    const long long p = static_cast<long long>(x) * numerator;
    return static_cast<int>(p >= 0 ? (p + denominator / 2) / denominator : (p - denominator / 2) / denominator);
}
}  // namespace

int DialogBaseUnits::toPixelsX(int x) const
{
    return mulDiv(x, cxChar, 4);
}

int DialogBaseUnits::toPixelsY(int y) const
{
    return mulDiv(y, cyChar, 8);
}

QRect DialogBaseUnits::toPixels(int x, int y, int cx, int cy) const
{
    return QRect(toPixelsX(x), toPixelsY(y), toPixelsX(cx), toPixelsY(cy));
}

QFont dialogFont(const std::string& family, int pointSize)
{
    QFont font(QString::fromStdString(family), pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogBaseUnits dialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The width of 52 letters halved to 26 and rounded: the average to the nearest pixel.
    return DialogBaseUnits{(letters / 26 + 1) / 2, metrics.height()};
}
