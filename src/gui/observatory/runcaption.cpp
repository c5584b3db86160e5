// SPDX-License-Identifier: GPL-3.0-or-later
#include "runcaption.h"
#include "mainwindow.h"
#include "parametercontrols.h"
#include "parameters.h"

#include <QEvent>
#include "landscapename.h"

#include <QLocale>
#include <QPainter>

namespace {
const int Padding = 4;
const int MinimumCharacters = 16; // beside the controls on a small screen at 300 %; parts are shortened in their middle
// A caption makes room for a count this many times larger, so that its lines stay put as the count grows.
const qint64 CountRoom = 100;
const QString Separator = QStringLiteral(" · ");
}

RunCaption::RunCaption(const MainWindow *window, QWidget *parent)
    : QWidget(parent), window(window), seed(StartSeed)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("What the charts show"));
    // Opaque, so that the line repaints alone after every generation.
    setAutoFillBackground(true);
}

void RunCaption::setLandscapeName(const QString &name)
{
    landscapeName = LandscapeName::shown(name);
    fitHeight();
    update();
}

void RunCaption::setSeed(unsigned value)
{
    seed = value;
    update();
}

QStringList RunCaption::parts(qint64 generation) const
{
    const int mutation = window->mutationProbability();
    return {landscapeName,
            tr("fitness ×%1").arg(window->fitnessMultiplier()),
            tr("mutation %1 (%2)").arg(mutation).arg(ParameterControls::mutationShare(mutation)),
            tr("bias %1").arg(window->mutationBias()),
            tr("seed %1").arg(seed),
            tr("generation %1").arg(QLocale().toString(generation))};
}

QString RunCaption::text() const
{
    return parts(window->generationCount()).join(Separator);
}

// Parts fill a line while they fit, laid out for a larger count so that the
// lines stay put as it grows.
QStringList RunCaption::lines(const QFontMetrics &metrics, int width) const
{
    const QStringList widest = parts(window->generationCount() * CountRoom + CountRoom - 1);
    const QStringList shown = parts(window->generationCount());
    QStringList lines;
    QString line;
    QString widestLine;
    for (qsizetype part = 0; part < shown.size(); ++part) {
        const QString longer = widestLine.isEmpty() ? widest.at(part) : widestLine + Separator + widest.at(part);
        if (!widestLine.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = shown.at(part);
            widestLine = widest.at(part);
        } else {
            line = line.isEmpty() ? shown.at(part) : line + Separator + shown.at(part);
            widestLine = longer;
        }
    }
    return lines << line;
}

int RunCaption::heightForWidth(int width) const
{
    return static_cast<int>(lines(fontMetrics(), width - 2 * Padding).size()) * fontMetrics().height() + 2 * Padding;
}

// As many lines as the width takes: the height follows the width, the font and the name.
void RunCaption::fitHeight()
{
    setFixedHeight(heightForWidth(width()));
}

void RunCaption::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        fitHeight();
    QWidget::changeEvent(event);
}

void RunCaption::resizeEvent(QResizeEvent * /* event */)
{
    fitHeight();
}

QSize RunCaption::sizeHint() const
{
    const int width = fontMetrics().horizontalAdvance(text()) + 2 * Padding;
    return QSize(width, heightForWidth(width));
}

QSize RunCaption::minimumSizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * MinimumCharacters, fontMetrics().height() + 2 * Padding);
}

void RunCaption::paintEvent(QPaintEvent * /* event */)
{
    QPainter painter(this);
    const QRect area = rect().adjusted(Padding, Padding, -Padding, -Padding);
    const QStringList shown = lines(fontMetrics(), area.width());
    const int lineHeight = fontMetrics().height();
    for (qsizetype line = 0; line < shown.size(); ++line) {
        painter.drawText(QRect(area.left(), area.top() + static_cast<int>(line) * lineHeight, area.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(shown.at(line), Qt::ElideMiddle, area.width()));
    }
}
