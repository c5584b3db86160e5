// SPDX-License-Identifier: GPL-3.0-or-later
#include "heatmapchart.h"
#include "countform.h"
#include "chartaxis.h"
#include "experiment.h"
#include "parametercaption.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
const int BottomMargin = 8;
const int HeaderHeight = 40;   // the second parameter and its values above the cells
const int RowLabelWidth = 140; // the first parameter and its values left of the cells
const int LabelGap = 6;
const double Percent = 100.0;
const QColor HitColour(30, 60, 150);
const double ChosenFrameWidth = 3.0; // around the chosen cell while the map has the focus
}

HeatMapChart::HeatMapChart(QWidget *parent)
    : ExperimentChart(parent)
{
    setAccessibleName(tr("Hit rate heat map"));
    setToolTip(tr("Double-click a cell, or choose it with the arrow keys and press Enter, to watch its first run "
                  "in the main window."));
}

int HeatMapChart::rows() const
{
    return plan && !plan->variations.empty() ? static_cast<int>(plan->variations.front().values.size()) : 1;
}

int HeatMapChart::columns() const
{
    return plan && plan->variations.size() > 1 ? static_cast<int>(plan->variations[1].values.size()) : 1;
}

QRectF HeatMapChart::grid() const
{
    QRectF area = plotArea(BottomMargin);
    area.setTop(area.top() + HeaderHeight * zoom());
    area.setLeft(RowLabelWidth * zoom());
    return area;
}

int HeatMapChart::combinationAt(const QPointF &point) const
{
    const QRectF cells = grid();
    if (!plan || !cells.contains(point))
        return -1;
    const int row = std::min(rows() - 1, static_cast<int>((point.y() - cells.top()) * rows() / cells.height()));
    const int column = std::min(columns() - 1, static_cast<int>((point.x() - cells.left()) * columns() / cells.width()));
    return row * columns() + column;
}

QPointF HeatMapChart::cellCentre(int combination) const
{
    const QRectF cells = grid();
    return QPointF(cells.left() + cells.width() * (combination % columns() + 0.5) / columns(),
                   cells.top() + cells.height() * (combination / columns() + 0.5) / rows());
}

int HeatMapChart::chosenCombination() const
{
    return std::clamp(chosen, 0, rows() * columns() - 1);
}

void HeatMapChart::choose(int combination)
{
    chosen = combination;
    changed();
}

void HeatMapChart::paint(QPainter &painter)
{
    if (!paintFrame(painter, tr("Hit rate, %")))
        return;
    const QRectF cells = grid();
    const double cellWidth = cells.width() / columns();
    const double cellHeight = cells.height() / rows();
    const double lineHeight = painter.fontMetrics().height();
    const Variation &down = plan->variations.front();
    const Variation *across = plan->variations.size() > 1 ? &plan->variations[1] : nullptr;

    const Chart::Colours colours = this->colours();
    painter.setPen(colours.text);
    if (across) {
        painter.drawText(QRectF(cells.left(), cells.top() - HeaderHeight * zoom(), cells.width(), lineHeight), Qt::AlignCenter,
                         parameterCaption(*across->parameter));
        for (int column = 0; column < columns(); ++column)
            painter.drawText(QRectF(cells.left() + column * cellWidth, cells.top() - lineHeight - 2, cellWidth, lineHeight),
                             Qt::AlignCenter, QString::number(across->values[column]));
    }
    const double labelWidth = RowLabelWidth * zoom() - LabelGap;
    painter.drawText(QRectF(0, cells.top() - lineHeight - 2, labelWidth, lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, parameterCaption(*down.parameter));
    for (int row = 0; row < rows(); ++row)
        painter.drawText(QRectF(0, cells.top() + row * cellHeight, labelWidth, cellHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(down.values[row]));

    const std::vector<CombinationSummary> &combinations = summary->combinations();
    for (int combination = 0; combination < int(combinations.size()); ++combination) {
        const CombinationSummary &runs = combinations[combination];
        const QRectF cell(cells.left() + combination % columns() * cellWidth,
                          cells.top() + combination / columns() * cellHeight, cellWidth, cellHeight);
        const double rate = runs.runs > 0 ? runs.hitRate() : 0;
        // The cell's text in black or white, whichever reads better on it.
        const QColor fill = colours.ramp(colours.line(HitColour), rate);
        painter.fillRect(cell, fill);
        painter.setPen(colours.grid);
        painter.drawRect(cell);
        if (runs.runs == 0)
            continue;
        painter.setPen(Chart::contrast(fill, Qt::white) > Chart::contrast(fill, Qt::black) ? Qt::white : Qt::black);
        const QString text = cell.height() >= 2 * lineHeight
                                 ? tr("%L1 %\n%L2 of %L3").arg(qRound(rate * Percent)).arg(runs.hits()).arg(runs.runs)
                                 : tr("%L1 %").arg(qRound(rate * Percent));
        painter.drawText(cell, Qt::AlignCenter, text);
    }
    if (hasFocus()) {
        const int at = chosenCombination();
        const QRectF cell(cells.left() + at % columns() * cellWidth, cells.top() + at / columns() * cellHeight, cellWidth,
                          cellHeight);
        const double width = ChosenFrameWidth * zoom();
        painter.setPen(QPen(QPalette().color(QPalette::Highlight), width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    }
}

void HeatMapChart::mousePressEvent(QMouseEvent *event)
{
    const int combination = combinationAt(event->position());
    if (combination >= 0)
        choose(combination);
    ExperimentChart::mousePressEvent(event);
}

// The arrows as the cells lie, the first parameter's values down.
void HeatMapChart::keyPressEvent(QKeyEvent *event)
{
    const int at = chosenCombination();
    const int row = at / columns();
    const int column = at % columns();
    switch (event->key()) {
    case Qt::Key_Left:
        choose(row * columns() + std::max(0, column - 1));
        break;
    case Qt::Key_Right:
        choose(row * columns() + std::min(columns() - 1, column + 1));
        break;
    case Qt::Key_Up:
        choose(std::max(0, row - 1) * columns() + column);
        break;
    case Qt::Key_Down:
        choose(std::min(rows() - 1, row + 1) * columns() + column);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (plan)
            emit combinationActivated(at);
        break;
    default:
        ExperimentChart::keyPressEvent(event);
    }
}

void HeatMapChart::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int combination = combinationAt(event->position());
    if (combination >= 0)
        emit combinationActivated(combination);
}

QString HeatMapChart::describeResults() const
{
    QStringList lines;
    const std::size_t at = static_cast<std::size_t>(chosenCombination());
    if (at < summary->combinations().size()) {
        const CombinationSummary &choice = summary->combinations()[at];
        lines << tr("Chosen cell, Enter watches its first run: %1: %2 of %3 runs hit")
                     .arg(combinationCaption(plan->variations, choice.settings))
                     .arg(choice.hits())
                     .arg(choice.runs);
    }
    for (const CombinationSummary &combination : summary->combinations())
        lines << tr("%1: %L2 of %L3 run(s) hit", nullptr, countForm(combination.runs))
                     .arg(combinationCaption(plan->variations, combination.settings))
                     .arg(combination.hits())
                     .arg(combination.runs);
    return lines.join('\n');
}
