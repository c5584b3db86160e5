// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartstyle.h"

#include <QPalette>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
const int NumberDigits = 12;
const double FaintShare = 0.35; // of the way from the text to the background
const double GridShare = 0.13;  // of the way from the background to the text
const QColor ErrorHue(200, 20, 20);
const double LightnessStep = 0.02;

double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QColor mix(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int one, int other) { return static_cast<int>(std::lround(one + (other - one) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}
}

Chart::Colours Chart::Colours::of(const QPalette &palette, bool onWindow)
{
    Colours colours;
    colours.background = palette.color(onWindow ? QPalette::Window : QPalette::Base);
    colours.text = readable(palette.color(onWindow ? QPalette::WindowText : QPalette::Text), colours.background, TextContrast);
    colours.faint = readable(mix(colours.text, colours.background, FaintShare), colours.background, TextContrast);
    colours.grid = mix(colours.background, colours.text, GridShare);
    colours.error = readable(ErrorHue, colours.background, TextContrast);
    return colours;
}

QColor Chart::Colours::line(const QColor &hue) const
{
    return readable(hue, background, LineContrast);
}

QColor Chart::Colours::label(const QColor &hue) const
{
    return readable(hue, background, TextContrast);
}

QColor Chart::Colours::ramp(const QColor &full, double share) const
{
    return mix(background, full, share);
}

double Chart::contrast(const QColor &one, const QColor &other)
{
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Along the colour's lightness, keeping its hue: towards black on a light
// background, towards white on a dark one.
QColor Chart::readable(const QColor &colour, const QColor &background, double ratio)
{
    const bool darken = luminance(background) > 0.18;
    QColor shade = colour.toHsl();
    double lightness = shade.lightnessF();
    while (contrast(shade, background) < ratio && lightness > 0 && lightness < 1) {
        lightness = std::clamp(lightness + (darken ? -LightnessStep : LightnessStep), 0.0, 1.0);
        shade.setHslF(shade.hslHueF(), shade.hslSaturationF(), lightness);
    }
    return shade.toRgb();
}

QFont Chart::zoomedFont(QFont font, double zoom)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    else
        font.setPixelSize(static_cast<int>(font.pixelSize() * zoom));
    return font;
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
