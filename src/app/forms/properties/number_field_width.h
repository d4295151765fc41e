#pragma once

#include <QFontMetrics>
#include <QWidget>

namespace quavis {

// Wide enough for the longest number an entry field shows: a sign, 18 significant digits, the point and
// an exponent would not all fit, but a negative 18-digit fraction does.
inline int NumberFieldWidth(const QWidget* widget)
{
    return widget->fontMetrics().horizontalAdvance(QStringLiteral("-0.000000000000000000")) + 16;
}

} // namespace quavis
