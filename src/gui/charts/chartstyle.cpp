// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartstyle.h"

#include <QLocale>

#include <algorithm>

namespace {
const int NumberDigits = 12;
}

QFont Chart::zoomedFont(QFont font, double zoom)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    else
        font.setPixelSize(static_cast<int>(font.pixelSize() * zoom));
    return font;
}

QColor Chart::ramp(const QColor &full, double share)
{
    const auto mix = [share](int empty, int all) { return static_cast<int>(empty + (all - empty) * share); };
    return QColor(mix(Background.red(), full.red()), mix(Background.green(), full.green()),
                  mix(Background.blue(), full.blue()));
}

QString Chart::percent(double share, int digits)
{
    const double value = share * 100;
    const int whole = value >= 100 ? 3 : value >= 10 ? 2 : 1;
    const int decimals = value == 0 ? 0 : std::max(0, digits - whole);
    return QLocale().toString(value, 'f', decimals) + QStringLiteral("\u00a0%");
}

QString Chart::number(double value)
{
    return QLocale().toString(value, 'g', NumberDigits);
}
