// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelchart.h"
#include "chartlegend.h"
#include "chartstyle.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// Sizes at zoom 1.
const double MarkerRadius = 4;
const double BarShare = 0.6; // of a row's height
const double LeastBars = 80; // the bars keep this much before the numbers of copies show
const int ColumnsAlways = 3; // #, fitness and share
const double SmallestCopiesRange = 2; // the fewest copies the bars span
const QSize Characters(33, 15);
const QColor BarColour = Chart::Blue;

double expectedCopies(const GenerationTrace &trace, int membr)
{
    return double(CommunitySize) * double(trace.share(membr)) / double(trace.width);
}

// The fitness that gets one unit of the wheel: the lowest, or the total when most
// fitness is negative and the total lies below it.
long long unitFitness(const GenerationTrace &trace)
{
    return trace.lowest + 1;
}

bool totalIsLowest(const GenerationTrace &trace)
{
    return std::none_of(std::begin(trace.fitness), std::end(trace.fitness),
                        [&](int fitness) { return fitness == unitFitness(trace); });
}

int timesDrawn(const GenerationTrace &trace, int membr)
{
    return static_cast<int>(std::count(std::begin(trace.parents), std::end(trace.parents), membr));
}
}

WheelChart::WheelChart(QWidget *parent)
    : GenerationPart(Characters, parent)
{
    setTitle(tr("The wheel"));
    setAccessibleName(tr("Roulette wheel"));
    setToolTip(tr("A member's share of the wheel is (fitness − lowest) × the fitness multiplier, where lowest is one "
                  "less than the generation's lowest fitness, or than the ten's sum where that is lower; the multiplier "
                  "changes no odds, but for rounding where a very wide wheel is scaled down. "
                  "Of the ten draws, the bar shows the copies a member may expect, the dot the copies it got."));
    changed();
}

void WheelChart::setGeneration(long long number, const GenerationTrace &trace)
{
    latest = &trace;
    generation = number;
    changed();
}

void WheelChart::forgetGeneration()
{
    generation = -1;
    changed();
}

void WheelChart::paint(QPainter &painter)
{
    const QRectF area = paintHeading(painter, this->area());
    const Chart::Colours colours = this->colours();
    painter.setPen(colours.text);
    if (generation < 0) {
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, tr("Run or step to see a generation."));
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    // The column heads, ten rows, the key and the rule's two lines.
    const double rowHeight = (area.height() - 4 * metrics.height()) / CommunitySize;
    const QStringList headers = {tr("#"), tr("fitness"), tr("share"), tr("expected"), tr("drawn")};
    QList<QStringList> rows;
    double most = SmallestCopiesRange;
    for (int membr = 0; membr < CommunitySize; ++membr) {
        const double expected = expectedCopies(*latest, membr);
        const int drawn = timesDrawn(*latest, membr);
        most = std::max({most, expected, double(drawn)});
        rows << QStringList{QString::number(membr), QString::number(latest->fitness[membr]),
                            Chart::percent(double(latest->share(membr)) / double(latest->width), 2),
                            QLocale().toString(expected, 'f', 2), QString::number(drawn)};
    }
    most = std::ceil(most);

    // Columns as wide as their widest text, numbers to the right; the numbers of
    // copies only where the bars keep their room, which show them too.
    double x = area.left();
    QList<double> rights;
    for (int column = 0; column < headers.size(); ++column) {
        int width = metrics.horizontalAdvance(headers[column]);
        for (const QStringList &row : rows)
            width = std::max(width, metrics.horizontalAdvance(row[column]));
        x += width;
        rights << x;
        x += px(ColumnGap);
    }
    const qsizetype shown = area.right() - x >= px(LeastBars) ? headers.size() : ColumnsAlways;
    x = rights[shown - 1] + px(ColumnGap);
    const QRectF bars(x, area.top() + metrics.height(), std::max(area.right() - x, px(CellSize)),
                      rowHeight * CommunitySize);
    const auto copiesX = [&](double copies) { return bars.left() + bars.width() * copies / most; };

    for (int column = 0; column < shown; ++column) {
        painter.drawText(QRectF(area.left(), area.top(), rights[column] - area.left(), metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, headers[column]);
    }
    // The copies' scale in the heads' row, a line at each whole number of copies.
    painter.drawText(QRectF(bars.left(), area.top(), bars.width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("0"));
    painter.drawText(QRectF(bars.left(), area.top(), bars.width(), metrics.height()), Qt::AlignRight | Qt::AlignVCenter,
                     Chart::number(most));
    painter.setPen(QPen(colours.grid, px(1)));
    for (int copies = 0; copies <= most; ++copies)
        painter.drawLine(QPointF(copiesX(copies), bars.top()), QPointF(copiesX(copies), bars.bottom()));

    painter.setRenderHint(QPainter::Antialiasing);
    for (int membr = 0; membr < CommunitySize; ++membr) {
        const QRectF row(area.left(), bars.top() + membr * rowHeight, area.width(), rowHeight);
        painter.setPen(colours.text);
        for (int column = 0; column < shown; ++column) {
            painter.drawText(QRectF(area.left(), row.top(), rights[column] - area.left(), rowHeight),
                             Qt::AlignRight | Qt::AlignVCenter, rows[membr][column]);
        }
        const double barHeight = std::min(rowHeight * BarShare, px(CellSize));
        const double middle = row.center().y();
        painter.fillRect(QRectF(bars.left(), middle - barHeight / 2, copiesX(expectedCopies(*latest, membr)) - bars.left(),
                                barHeight),
                         colours.line(BarColour));
        painter.setBrush(colours.text);
        painter.setPen(QPen(colours.background, px(1)));
        painter.drawEllipse(QPointF(copiesX(timesDrawn(*latest, membr)), middle), px(MarkerRadius), px(MarkerRadius));
        painter.setBrush(Qt::NoBrush);
    }

    ChartLegend key(zoom(), colours);
    key.add(tr("expected copies"), colours.line(BarColour), ChartLegend::Square);
    key.add(tr("drawn"), colours.text, ChartLegend::Dot);
    key.paint(painter, QRectF(area.left(), bars.bottom(), area.width(), metrics.height()));
    painter.setPen(colours.text);
    const QStringList lines = rule(metrics, area.width());
    for (int line = 0; line < lines.size(); ++line) {
        painter.drawText(QRectF(area.left(), bars.bottom() + (line + 1) * metrics.height(), area.width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, lines[line]);
    }
}

// Two lines: where the shares start, then the first shares that fit and "…"
// before the multiplier, which always shows.
QStringList WheelChart::rule(const QFontMetrics &metrics, double width) const
{
    const QString start = totalIsLowest(*latest) ? tr("total %1 → shares").arg(unitFitness(*latest))
                                                 : tr("lowest %1 → shares").arg(unitFitness(*latest));
    QString shares;
    for (int shown = CommunitySize; shown > 0; --shown) {
        QStringList units;
        for (int membr = 0; membr < shown; ++membr)
            units << QString::number(latest->units(membr));
        if (shown < CommunitySize)
            units << QStringLiteral("…");
        shares = tr("%1 × %2").arg(units.join(QStringLiteral(", "))).arg(latest->multiplier);
        if (metrics.horizontalAdvance(shares) <= width)
            break;
    }
    return {metrics.elidedText(latest->scaled() ? tr("%1, scaled to fit").arg(start) : start, Qt::ElideRight, int(width)),
            metrics.elidedText(shares, Qt::ElideRight, int(width))};
}

QString WheelChart::description() const
{
    if (generation < 0)
        return tr("No generation yet.");
    QStringList members;
    for (int membr = 0; membr < CommunitySize; ++membr) {
        members << tr("member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn %n time(s)", nullptr,
                      timesDrawn(*latest, membr))
                       .arg(membr)
                       .arg(latest->fitness[membr])
                       .arg(Chart::percent(double(latest->share(membr)) / double(latest->width), 2))
                       .arg(expectedCopies(*latest, membr), 0, 'f', 2);
    }
    const QString rule = totalIsLowest(*latest)
        ? tr("The fitness adds up to %1, below every member's, so each share is the fitness less %2, times the "
             "multiplier %3")
        : tr("The lowest fitness is %1, so each share is the fitness less %2, times the multiplier %3");
    QString scaling = latest->scaled() ? tr(", then scaled down to fit one draw") : QString();
    return tr("The wheel that drew generation %1, %2 positions wide. ").arg(QLocale().toString(generation)).arg(latest->width)
           + rule.arg(unitFitness(*latest)).arg(latest->lowest).arg(latest->multiplier) + scaling + QStringLiteral(". ")
           + members.join(QStringLiteral("; ")) + QLatin1Char('.');
}
