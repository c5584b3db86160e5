// SPDX-License-Identifier: GPL-3.0-or-later
#include "mutationchart.h"
#include "chartstyle.h"
#include "schema.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
const QSize Characters(25, 13);
}

MutationChart::MutationChart(QWidget *parent)
    : GenerationPart(Characters, parent)
{
    setTitle(tr("Mutation"));
    setAccessibleName(tr("Mutation in numbers"));
    setToolTip(tr("Mutation in numbers: how many children mutate at the mutation probability p, and which "
                  "bit flips at the mutation bias"));
    changed();
}

void MutationChart::setSettings(const Settings &current)
{
    settings = current;
    changed();
}

void MutationChart::setGeneration(long long number, const GenerationTrace &trace, const Settings &current)
{
    generation = number;
    settings = current;
    mutated = static_cast<int>(std::count_if(std::begin(trace.flipped), std::end(trace.flipped),
                                             [](int bit) { return bit >= 0; }));
    changed();
}

void MutationChart::forgetGeneration()
{
    generation = -1;
    changed();
}

void MutationChart::paint(QPainter &painter)
{
    QRectF area = paintHeading(painter, this->area());
    const Chart::Colours colours = this->colours();
    const QFontMetrics metrics = painter.fontMetrics();
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const auto paragraph = [&](const QString &text, const QColor &colour) {
        const QRectF used = painter.boundingRect(area, flags, text);
        painter.setPen(colour);
        painter.drawText(area, flags, text);
        area.setTop(used.bottom() + px(RowGap));
    };
    const int p = settings.mutation;
    paragraph(p == 0 ? tr("p = 0: no child mutates.")
                     : tr("p = %1 → 1/\u2060(100\u00a0−\u00a0%1) = %2 of children mutate, one bit each.").arg(p).arg(Chart::percent(mutationChance(p), 2)),
              colours.text);
    if (generation >= 0)
        paragraph(tr("Generation %1: %2 of 10 did.").arg(QLocale().toString(generation)).arg(mutated), colours.faint);
    // Each bit's chance as a multiple of the rarest one's: whole numbers at every bias.
    double rarest = 1;
    double highest = 0;
    for (int bit = 0; bit < GenomeLength; ++bit) {
        rarest = std::min(rarest, flipChance(settings.bias, bit));
        highest = std::max(highest, flipChance(settings.bias, bit));
    }
    const int parts = static_cast<int>(std::lround(1 / rarest));
    paragraph(tr("The bit that flips at bias %1, in %2ths:").arg(settings.bias).arg(parts), colours.text);
    const QString note = settings.bias == 0
                             // Split after each \u escape that a digit or letter follows, which lupdate would read on.
                             ? tr("Bias 1 to 10 instead all give the same chances, (9\u00a0−\u00a0" "bit)²/\u2060" "285: bit 0 the most.")
                             : tr("The same at every bias from 1 to 10: (9\u00a0−\u00a0" "bit)²/\u2060" "285. Bias 0 gives 1/9 each.");

    const QRectF noteBox = painter.boundingRect(area, flags, note);
    const double labelHeight = metrics.height();
    const QRectF bars(area.left(), area.top() + labelHeight, area.width(),
                      std::max(px(CellSize), area.height() - noteBox.height() - 2 * labelHeight - 2 * px(RowGap)));
    const double column = bars.width() / GenomeLength;
    for (int position = 0; position < GenomeLength; ++position) {
        const int bit = GenomeLength - 1 - position;
        const double chance = flipChance(settings.bias, bit);
        const double height = bars.height() * chance / highest;
        const QRectF bar(bars.left() + position * column + px(CellGap), bars.bottom() - height,
                         column - 2 * px(CellGap), height);
        painter.fillRect(bar, colours.line(Chart::Blue));
        painter.setPen(colours.text);
        painter.drawText(QRectF(bars.left() + position * column, bar.top() - labelHeight, column, labelHeight),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(std::lround(chance / rarest)));
        painter.drawText(QRectF(bars.left() + position * column, bars.bottom(), column, labelHeight), Qt::AlignCenter,
                         QString::number(bit));
    }
    area.setTop(bars.bottom() + labelHeight + px(RowGap));
    paragraph(note, colours.faint);
}

QString MutationChart::description() const
{
    QStringList chances;
    for (int bit = 0; bit < GenomeLength; ++bit)
        chances << tr("bit %1 %2").arg(bit).arg(Chart::percent(flipChance(settings.bias, bit), 2));
    return tr("At p = %1, %2 of children mutate. At bias %3 the flipped bit is %4. Bias 1 to 10 all give the same "
              "chances.")
        .arg(settings.mutation)
        .arg(Chart::percent(mutationChance(settings.mutation), 2))
        .arg(settings.bias)
        .arg(chances.join(QStringLiteral(", ")));
}
