// SPDX-License-Identifier: GPL-3.0-or-later
#include "pairschart.h"
#include "bitcells.h"
#include "chartlegend.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {
const double PairGap = 6; // at zoom 1
const QSize Characters(60, 13);
}

PairsChart::PairsChart(QWidget *parent)
    : GenerationPart(Characters, parent)
{
    setTitle(tr("The pairs"));
    setAccessibleName(tr("Pairs and children"));
    setToolTip(tr("Each pair splits at the red line: a child keeps its parent's bits left of it and takes its "
                  "partner's, blue, right of it. Mutation flipped the orange bits."));
    changed();
}

void PairsChart::setGeneration(long long number, const GenerationTrace &trace, const int *landscape)
{
    latest = &trace;
    generation = number;
    for (int child = 0; child < CommunitySize; ++child)
        childFitness[child] = landscape[trace.after[child]];
    changed();
}

void PairsChart::forgetGeneration()
{
    generation = -1;
    changed();
}

void PairsChart::paint(QPainter &painter)
{
    const QRectF area = paintHeading(painter, this->area(),
                                     generation >= 0 ? tr("The pairs that made generation %1").arg(QLocale().toString(generation)) : title());
    const Chart::Colours colours = this->colours();
    painter.setPen(colours.text);
    if (generation < 0) {
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, tr("Run or step to see a generation."));
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const double gap = px(ColumnGap);
    long long fittest = 0; // the widest fitness text, sign included
    for (int membr = 0; membr < CommunitySize; ++membr)
        fittest = std::max({fittest, std::llabs(latest->fitness[membr]), std::llabs(childFitness[membr])});
    const double pairWidth = std::max(metrics.horizontalAdvance(tr("pair 5")), metrics.horizontalAdvance(tr("split 8")));
    const double memberWidth = std::max(metrics.horizontalAdvance(tr("#")), metrics.horizontalAdvance(QStringLiteral("0")));
    const double genomeWidth = std::max(metrics.horizontalAdvance(QStringLiteral("000")), metrics.horizontalAdvance(tr("genome")));
    const double fitnessWidth = std::max(metrics.horizontalAdvance(tr("fitness")),
                                         metrics.horizontalAdvance(QString::number(-fittest)));
    const double arrowWidth = metrics.horizontalAdvance(QStringLiteral("→")) + gap / 2;
    const double numbersWidth = genomeWidth + fitnessWidth + 2 * gap;

    // Cells as large as the room allows, down to what a digit of the cell font
    // needs; the pairs' labels and the parents' numbers only where that leaves room.
    const double leastCell = BitCells::FontShare * metrics.height();
    const double narrowWidth = memberWidth + gap + arrowWidth + gap + numbersWidth;
    const bool wide = area.width() - narrowWidth - pairWidth - gap - numbersWidth >= 2 * GenomeLength * leastCell;
    const double textWidth = wide ? narrowWidth + pairWidth + gap + numbersWidth : narrowWidth;
    const double cell = std::clamp((area.width() - textWidth) / (2 * GenomeLength), leastCell, px(CellSize));
    const double cellsWidth = GenomeLength * cell;
    // The column heads, ten rows and the key.
    const double rowHeight = std::min(cell + px(RowGap), (area.height() - (Pairs - 1) * px(PairGap)) / (CommunitySize + 2));
    const double memberLeft = wide ? area.left() + pairWidth + gap : area.left();
    const double parentGenome = memberLeft + memberWidth + gap;
    const double parentFitness = parentGenome + genomeWidth + gap;
    const double parentCells = wide ? parentFitness + fitnessWidth + gap : parentGenome;
    const double arrowLeft = parentCells + cellsWidth;
    const double childCells = arrowLeft + arrowWidth;
    const double childGenome = childCells + cellsWidth + gap;
    const double childFitnessLeft = childGenome + genomeWidth + gap;

    const QRectF head(area.left(), area.top(), area.width(), metrics.height());
    const auto text = [&](double left, double top, double width, const QString &value, int alignment) {
        painter.drawText(QRectF(left, top, width, rowHeight), alignment | Qt::AlignVCenter, value);
    };
    text(memberLeft, head.top(), memberWidth, tr("#"), Qt::AlignRight);
    if (wide) {
        text(parentGenome, head.top(), genomeWidth, tr("genome"), Qt::AlignRight);
        text(parentFitness, head.top(), fitnessWidth, tr("fitness"), Qt::AlignRight);
    }
    text(parentCells, head.top(), cellsWidth, tr("parent"), Qt::AlignHCenter);
    text(childCells, head.top(), cellsWidth, tr("child"), Qt::AlignHCenter);
    text(childGenome, head.top(), genomeWidth, tr("genome"), Qt::AlignRight);
    text(childFitnessLeft, head.top(), fitnessWidth, tr("fitness"), Qt::AlignRight);

    BitCells cells(zoom());
    for (int child = 0; child < CommunitySize; ++child) {
        const int pair = child / 2;
        const double top = head.top() + rowHeight + child * rowHeight + pair * px(PairGap);
        const int parent = latest->parents[child];
        const int split = latest->splits[pair];
        painter.setPen(colours.text);
        if (wide) {
            text(area.left(), top, pairWidth, child % 2 == 0 ? tr("pair %1").arg(pair + 1) : tr("split %1").arg(split),
                 Qt::AlignLeft);
            text(parentGenome, top, genomeWidth, QString::number(latest->before[parent]), Qt::AlignRight);
            text(parentFitness, top, fitnessWidth, QString::number(latest->fitness[parent]), Qt::AlignRight);
        }
        text(memberLeft, top, memberWidth, QString::number(parent), Qt::AlignRight);
        text(arrowLeft, top, arrowWidth, QStringLiteral("→"), Qt::AlignHCenter);
        text(childGenome, top, genomeWidth, QString::number(latest->after[child]), Qt::AlignRight);
        text(childFitnessLeft, top, fitnessWidth, QString::number(childFitness[child]), Qt::AlignRight);
        cells.add(QRectF(parentCells, top, cellsWidth, rowHeight), latest->before[parent], split, false, -1);
        cells.add(QRectF(childCells, top, cellsWidth, rowHeight), latest->after[child], split, true, latest->flipped[child]);
    }

    cells.paint(painter);

    const QRectF keyLine(area.left(), head.top() + (CommunitySize + 1) * rowHeight + (Pairs - 1) * px(PairGap),
                         area.width(), rowHeight);
    ChartLegend key(zoom(), colours);
    key.add(tr("split"), BitCells::SplitColour, ChartLegend::Square);
    key.add(tr("from the partner"), BitCells::PartnerColour, ChartLegend::Square);
    key.add(tr("flipped"), BitCells::FlipColour, ChartLegend::Square, BitCells::SplitColour);
    key.paint(painter, keyLine);
}

QString PairsChart::description() const
{
    if (generation < 0)
        return tr("No generation yet.");
    QStringList pairs;
    for (int pair = 0; pair < Pairs; ++pair) {
        QStringList children;
        for (int child = 2 * pair; child < 2 * pair + 2; ++child) {
            const int parent = latest->parents[child];
            QString text = tr("child %1 from member %2 (%3, fitness %4) and its partner member %5: %6, fitness %7")
                               .arg(child)
                               .arg(parent)
                               .arg(latest->before[parent])
                               .arg(latest->fitness[parent])
                               .arg(latest->partner(child))
                               .arg(latest->after[child])
                               .arg(childFitness[child]);
            if (latest->flipped[child] >= 0)
                text += tr(", bit %1 flipped").arg(latest->flipped[child]);
            children << text;
        }
        pairs << tr("Pair %1, split %2: %3").arg(pair + 1).arg(latest->splits[pair]).arg(children.join(QStringLiteral("; ")));
    }
    return tr("Generation %1. ").arg(QLocale().toString(generation)) + pairs.join(QStringLiteral(". ")) + QLatin1Char('.');
}
