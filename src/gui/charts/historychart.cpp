// SPDX-License-Identifier: GPL-3.0-or-later
#include "historychart.h"
#include "chartaxis.h"
#include "chartlegend.h"
#include "history.h"
#include "historymarkers.h"
#include "lessonmeasure.h"

#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QPolygonF>
#include <QKeyEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
const int RightMargin = 48;   // room for the diversity labels, at least
const int TextGap = 6;
const int StripRowPadding = 2;
const double MostStripShare = 0.45; // of the height for the chart and the strip
const int PreferredPlotWidth = 768;
const int MinimumPlotWidth = 256;
const int MinimumHeight = 200;
const int PreferredHeight = 380;
const int MostTicks = 6;
const double Headroom = 0.05; // of the fitness range, above the best
const double LabelSpacing = 1.5; // label heights from one diversity label to the next, at least
const double MarkerTip = 4.0;   // the triangle atop a mark
const double MarkerReach = 5.0; // how near the pointer must be for a mark's tooltip
const double LineWidth = 1.0; // one pixel at 100 %: the rasterizer's fast path, dashes too
const double LinePad = 3.0;     // between the frame and a line at the lowest or highest value
const double LegiblePlot = 5.0; // lines of text the fitness plot needs for three labels on each axis
const int LongGeneration = 99999; // as wide as most runs' generations
// Told apart by their dashes as well as their colours.
const int DriftPoints = 200;    // along the theory line, at most
const Qt::PenStyle DriftDashes = Qt::DashDotDotLine;
const QColor BestColour = Chart::Green;
const Qt::PenStyle BestDashes = Qt::SolidLine;
const QColor MeanColour = Chart::Blue;
const Qt::PenStyle MeanDashes = Qt::DashLine;
const QColor WorstColour = Chart::Red;
const Qt::PenStyle WorstDashes = Qt::DotLine;
const QColor DiversityColour = Chart::Purple;
const Qt::PenStyle DiversityDashes = Qt::DashDotLine;
const QColor BitSetColour = Chart::Navy;
const QColor MarkerColours[] = {Chart::Ochre, Chart::Teal, QColor(120, 120, 120)}; // a restart's in the text colour
// What each colour of mark stands for, by HistoryMarker::Kind.
const char *const MarkerKinds[] = {QT_TRANSLATE_NOOP("HistoryChart", "landscape"), QT_TRANSLATE_NOOP("HistoryChart", "genomes"),
                                   QT_TRANSLATE_NOOP("HistoryChart", "parameter"), QT_TRANSLATE_NOOP("HistoryChart", "restart")};
const int MarksTold = 5; // in the words for screen readers
const double ChosenMarkWidth = 3.0;

using Value = std::function<double(const HistoryBucket &)>;

// x of a generation across the area, first to last generation.
double generationX(const QRectF &area, const std::vector<HistoryBucket> &buckets, double generation)
{
    const double first = buckets.front().firstGeneration;
    const double last = buckets.back().lastGeneration;
    return last > first ? area.left() + area.width() * (generation - first) / (last - first) : area.center().x();
}

// x of a bucket's middle generation.
double bucketX(const QRectF &area, const std::vector<HistoryBucket> &buckets, const HistoryBucket &bucket)
{
    return generationX(area, buckets, (bucket.firstGeneration + bucket.lastGeneration) / 2.0);
}

QPolygonF series(const QRectF &area, const std::vector<HistoryBucket> &buckets, const ChartAxis &axis,
                 const Value &value)
{
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(buckets.size()));
    for (const HistoryBucket &bucket : buckets)
        line << QPointF(bucketX(area, buckets, bucket), axis.position(area, value(bucket)));
    return line;
}

ChartAxis fitnessAxis(double low, double high, double zoom, const Chart::Colours &colours = Chart::Colours())
{
    ChartAxis axis(ChartAxis::Left, low, high, zoom, colours);
    axis.setMostTicks(MostTicks);
    axis.setPadding(LinePad);
    return axis;
}
}

HistoryChart::HistoryChart(const History *history, const HistoryMarkers *markers, QWidget *parent)
    : ChartWidget(parent), history(history), markers(markers)
{
    setTitle(tr("Fitness over the generations"));
}

QString HistoryChart::description() const
{
    if (history->isEmpty())
        return QString();
    const GenerationRecord &latest = history->latest();
    const int marks = markers ? markers->count() : 0;
    const QString values = tr("Generation %L1: best %2, mean %L3, worst %4, diversity %L5 of 9; %n mark(s).", nullptr, marks)
                               .arg(latest.generation)
                               .arg(latest.best)
                               .arg(latest.mean(), 0, 'f', 1)
                               .arg(latest.worst)
                               .arg(latest.diversity(), 0, 'f', 2);
    // What the latest marks stand for, as their tooltips say, and the one the keys chose.
    QStringList told;
    for (int index = marks - 1; index >= std::max(0, marks - MarksTold); --index)
        told << markText(markers->at(index));
    const QString drifting = drift && latest.generation >= drift->generation
        ? ' ' + tr("Drift alone since generation %L1: theory expects diversity %L2.")
                    .arg(drift->generation)
                    .arg(driftDiversity(drift->diversity, latest.generation - drift->generation), 0, 'f', 2)
        : QString();
    const QString all = told.isEmpty() ? values + drifting
                                       : tr("%1 The latest first: %2.").arg(values + drifting, told.join(tr("; ")));
    const int at = chosenMark();
    return at < 0 ? all : tr("Mark %1 of %2: %3. %4").arg(at + 1).arg(marks).arg(markText(markers->at(at)), all);
}

QString HistoryChart::markText(const HistoryMarker &marker) const
{
    return tr("generation %1, %2: %3").arg(marker.generation).arg(tr(MarkerKinds[marker.kind]), marker.text());
}

int HistoryChart::chosenMark() const
{
    return markers && chosen >= 0 ? std::min(chosen, markers->count() - 1) : -1;
}

// Left and Right, Home and End walk the marks, as the pointer shows them.
void HistoryChart::keyPressEvent(QKeyEvent *event)
{
    const int count = markers ? markers->count() : 0;
    const int at = chosenMark();
    int next = at;
    switch (event->key()) {
    case Qt::Key_Left:
        next = at < 0 ? count - 1 : std::max(0, at - 1);
        break;
    case Qt::Key_Right:
        next = std::min(count - 1, at + 1);
        break;
    case Qt::Key_Home:
        next = count > 0 ? 0 : -1;
        break;
    case Qt::Key_End:
        next = count - 1;
        break;
    default:
        return ChartWidget::keyPressEvent(event);
    }
    chosen = next;
    changed();
}

void HistoryChart::setDriftStart(const std::optional<DriftStart> &start)
{
    if (start.has_value() == drift.has_value()
        && (!start || (start->generation == drift->generation && start->diversity == drift->diversity)))
        return;
    drift = start;
    changed();
}

// Tall enough for the title, three labels on each axis and on the bits, and the
// captions; wide enough for three generations.
QSize HistoryChart::minimumSizeHint() const
{
    const QFontMetricsF metrics(font());
    const double rows = 4 * metrics.height() + 3 * px(TextGap); // the title, the legend under it, the generations, the caption
    const double plots = LegiblePlot * metrics.height() / (1 - MostStripShare);
    const double margins = std::max(double(Chart::LeftMargin), metrics.horizontalAdvance(tr("bit %1").arg(GenomeLength - 1)) + 2 * px(TextGap))
                           + std::max(double(RightMargin), metrics.horizontalAdvance(QString::number(GenomeLength)) * 2);
    const double labels = metrics.horizontalAdvance(tr("generation %1").arg(LongGeneration) + QStringLiteral("  "))
                          + 2 * metrics.horizontalAdvance(QString::number(LongGeneration) + QStringLiteral("  "));
    return QSize(static_cast<int>(std::ceil(margins + std::max(double(MinimumPlotWidth), labels))),
                 std::max(MinimumHeight, static_cast<int>(std::ceil(rows + plots))));
}

QSize HistoryChart::sizeHint() const
{
    return QSize(Chart::LeftMargin + RightMargin + PreferredPlotWidth, PreferredHeight);
}

// From 0, or the lowest worst below it, to a little above the highest best.
HistoryChart::Range HistoryChart::fitnessRange(const std::vector<HistoryBucket> &buckets)
{
    Range range{0.0, 1.0};
    for (const HistoryBucket &bucket : buckets) {
        range.low = std::min(range.low, double(bucket.worst));
        range.high = std::max(range.high, double(bucket.best));
    }
    range.high = std::max(range.high, range.low + 1.0);
    range.high += (range.high - range.low) * Headroom;
    return range;
}

// The chart above, the bit strip below: a row of text for each bit while there is
// room. Margins of a line of text for the title, the generation labels and the strip's caption.
HistoryChart::Areas HistoryChart::areas(const Range &range) const
{
    const QFontMetricsF metrics(font());
    const double left = std::max({double(Chart::LeftMargin), fitnessAxis(range.low, range.high, zoom()).room(metrics),
                                  metrics.horizontalAdvance(tr("bit %1").arg(GenomeLength - 1)) + 2 * px(TextGap)});
    const double right = std::max(double(RightMargin), metrics.horizontalAdvance(QString::number(GenomeLength)) * 2);
    const double plotWidth = width() - left - right;
    const double besideTitle = plotWidth - metrics.horizontalAdvance(title() + QStringLiteral("  "));
    // Beside the title where it fits in one row, else under it in as many as it needs.
    const bool oneLine = legendRows(besideTitle, metrics).size() == 1;
    const int rows = oneLine ? 1 : int(legendRows(left + plotWidth - px(TextGap), metrics).size());
    const double gap = metrics.height() + px(TextGap);
    const double top = oneLine ? gap : metrics.height() + rows * gap;
    const double usable = height() - top - 2 * gap;
    const double stripHeight = std::min(GenomeLength * (metrics.height() + px(StripRowPadding)), usable * MostStripShare);
    const QRectF chart(left, top, plotWidth, usable - stripHeight);
    const QRectF legendLine = oneLine ? QRectF(chart.left() + plotWidth - besideTitle, 0, besideTitle, gap)
                                      : QRectF(px(TextGap), metrics.height(), chart.right() - px(TextGap), rows * gap);
    return {chart, QRectF(chart.left(), chart.bottom() + gap, chart.width(), stripHeight), legendLine};
}

bool HistoryChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    QHelpEvent *help = static_cast<QHelpEvent *>(event);
    const QString text = markersNear(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}

void HistoryChart::paint(QPainter &painter)
{
    const std::vector<HistoryBucket> buckets = history->overview();
    const Range range = fitnessRange(buckets);
    const Areas current = areas(range);
    const QRectF &chart = current.chart;

    const Chart::Colours colours = this->colours();
    const QFontMetricsF metrics(painter.font());
    // While the keys walk the marks, the chosen one's words stand in the title's place.
    const int mark = hasFocus() ? chosenMark() : -1;
    paintTitle(painter, QRectF(chart.left(), 0, chart.width(), metrics.height() + px(TextGap)),
               mark < 0 ? QString() : markText(markers->at(mark)));
    const double gap = metrics.height() + px(TextGap);
    const QList<ChartLegend> rows = legendRows(current.legend.width(), metrics);
    for (qsizetype index = 0; index < rows.size(); ++index)
        rows[index].paint(painter, QRectF(current.legend.left(), current.legend.top() + index * gap, current.legend.width(), gap),
                          Qt::AlignRight);
    painter.setPen(QPen(colours.text, zoom()));
    painter.drawRect(chart);
    painter.drawRect(current.strip);
    const QString caption = tr("the strip above: the share of members with each bit set (darker: more)");
    painter.drawText(QRectF(current.strip.left(), current.strip.bottom(), current.strip.width(), height() - current.strip.bottom()),
                     Qt::AlignRight | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(caption, Qt::ElideRight, static_cast<int>(current.strip.width())));
    if (buckets.empty())
        return;
    paintFitness(painter, chart, buckets, range);
    paintBits(painter, current.strip, buckets);
    paintMarkers(painter, current, buckets);

    // The first, the middle and the last generation.
    const long long first = buckets.front().firstGeneration;
    const long long last = buckets.back().lastGeneration;
    const QRectF labels(chart.left(), chart.bottom() + 2, chart.width(), current.strip.top() - chart.bottom() - 4);
    painter.setPen(colours.text);
    const QLocale locale;
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignVCenter, tr("generation %1").arg(locale.toString(first)));
    painter.drawText(labels, Qt::AlignRight | Qt::AlignVCenter, locale.toString(last));
    // The middle one where it stands clear of the others.
    const long long middle = first + (last - first) / 2;
    const double x = generationX(chart, buckets, double(middle));
    const double half = metrics.horizontalAdvance(locale.toString(middle) + QStringLiteral("  ")) / 2;
    if (last - first >= 2 && x - half >= chart.left() + metrics.horizontalAdvance(tr("generation %1").arg(locale.toString(first)))
        && x + half <= chart.right() - metrics.horizontalAdvance(locale.toString(last)))
        painter.drawText(QRectF(x - half, labels.top(), 2 * half, labels.height()), Qt::AlignCenter, locale.toString(middle));
}

void HistoryChart::paintFitness(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets,
                                const Range &range)
{
    const Chart::Colours colours = this->colours();
    const ChartAxis fitness = fitnessAxis(range.low, range.high, zoom(), colours);
    fitness.paint(painter, area);
    // 0, 3, 6 and 9 where there is room, else 0, 4 and 8.
    const double maxDiversity = GenomeLength * (1 + Headroom);
    const bool roomy = area.height() * 3 / maxDiversity >= LabelSpacing * painter.fontMetrics().height();
    ChartAxis diversity(ChartAxis::Right, 0, maxDiversity, zoom(), colours);
    diversity.setTicks(roomy ? QList<double>{0, 3, 6, 9} : QList<double>{0, 4, 8});
    diversity.setGrid(false);
    diversity.setLabelColour(colours.label(DiversityColour));
    diversity.setPadding(LinePad);
    diversity.paint(painter, area);

    painter.setRenderHint(QPainter::Antialiasing);
    const auto pen = [&](const QColor &hue, Qt::PenStyle dashes) {
        return QPen(colours.line(hue), px(LineWidth), dashes, Qt::FlatCap);
    };
    painter.setPen(pen(WorstColour, WorstDashes));
    painter.drawPolyline(series(area, buckets, fitness, [](const HistoryBucket &b) { return double(b.worst); }));
    painter.setPen(pen(MeanColour, MeanDashes));
    painter.drawPolyline(series(area, buckets, fitness, [](const HistoryBucket &b) { return b.mean(); }));
    painter.setPen(pen(BestColour, BestDashes));
    painter.drawPolyline(series(area, buckets, fitness, [](const HistoryBucket &b) { return double(b.best); }));
    painter.setPen(pen(DiversityColour, DiversityDashes));
    painter.drawPolyline(series(area, buckets, diversity, [](const HistoryBucket &b) { return b.diversity(); }));
    paintDrift(painter, area, buckets, diversity);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// D₀ · 0.9^(t − t₀) from where drift alone began to the latest generation, in the text colour.
void HistoryChart::paintDrift(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets,
                              const ChartAxis &axis)
{
    if (!drift)
        return;
    const double first = std::max<double>(drift->generation, buckets.front().firstGeneration);
    const double last = buckets.back().lastGeneration;
    if (first > last)
        return;
    const int steps = static_cast<int>(std::min<double>(DriftPoints, last - first));
    QPolygonF line;
    for (int step = 0; step <= steps; ++step) {
        const double generation = steps > 0 ? first + (last - first) * step / steps : first;
        const double value = driftDiversity(drift->diversity, static_cast<long long>(generation) - drift->generation);
        line << QPointF(generationX(area, buckets, generation), axis.position(area, value));
    }
    painter.setPen(QPen(colours().text, px(LineWidth), DriftDashes, Qt::FlatCap));
    painter.drawPolyline(line);
}

// The lines with their names; shortened, the diversity's without "(right axis)" and
// the theory's without its formula.
QList<HistoryChart::LegendEntry> HistoryChart::legendEntries(bool shortened) const
{
    const Chart::Colours colours = this->colours();
    const auto pen = [&](const QColor &hue, Qt::PenStyle dashes) { return QPen(colours.line(hue), px(LineWidth), dashes); };
    QList<LegendEntry> entries{{tr("best"), pen(BestColour, BestDashes)},
                               {tr("mean"), pen(MeanColour, MeanDashes)},
                               {tr("worst"), pen(WorstColour, WorstDashes)},
                               {shortened ? tr("diversity") : tr("diversity (right axis)"), pen(DiversityColour, DiversityDashes)}};
    if (drift) {
        entries.append({shortened ? tr("drift theory") : tr("drift theory D₀·0.9ᵗ from generation %1").arg(drift->generation),
                        QPen(colours.text, px(LineWidth), DriftDashes)});
    }
    return entries;
}

// The whole legend in one row where it fits the width, else the short names in as
// many rows as they need.
QList<ChartLegend> HistoryChart::legendRows(double width, const QFontMetricsF &metrics) const
{
    const auto row = [this](const QList<LegendEntry> &entries) {
        ChartLegend legend(zoom(), colours());
        for (const LegendEntry &entry : entries)
            legend.addLine(entry.name, entry.pen);
        return legend;
    };
    const ChartLegend whole = row(legendEntries(false));
    if (whole.width(metrics) <= width)
        return {whole};
    QList<ChartLegend> rows;
    QList<LegendEntry> current;
    for (const LegendEntry &entry : legendEntries(true)) {
        if (!current.isEmpty() && row(current + QList<LegendEntry>{entry}).width(metrics) > width) {
            rows << row(current);
            current.clear();
        }
        current << entry;
    }
    return rows << row(current);
}

// Bit 8 on top; the darker a cell, the more members have the bit set. Rows too
// thin for a label of their own share one with their neighbours.
void HistoryChart::paintBits(QPainter &painter, const QRectF &area, const std::vector<HistoryBucket> &buckets)
{
    const Chart::Colours colours = this->colours();
    const QColor bitSet = colours.line(BitSetColour);
    const double rowHeight = area.height() / GenomeLength;
    const int labelEvery = std::max(1, static_cast<int>(std::ceil(painter.fontMetrics().height() / rowHeight)));
    for (int bit = 0; bit < GenomeLength; ++bit) {
        const double y = area.top() + (GenomeLength - 1 - bit) * rowHeight;
        if (bit % labelEvery == 0) {
            painter.setPen(colours.text);
            const double middle = y + rowHeight / 2;
            const double textHeight = painter.fontMetrics().height();
            painter.drawText(QRectF(0, middle - textHeight / 2, area.left() - px(TextGap), textHeight),
                             Qt::AlignRight | Qt::AlignVCenter, tr("bit %1").arg(bit));
        }
        double left = area.left();
        for (std::size_t index = 0; index < buckets.size(); ++index) {
            const double right = index + 1 < buckets.size()
                                     ? (bucketX(area, buckets, buckets[index]) + bucketX(area, buckets, buckets[index + 1])) / 2
                                     : area.right();
            painter.fillRect(QRectF(left, y, std::max(right - left, 1.0), rowHeight),
                             colours.ramp(bitSet, buckets[index].bitShare(bit)));
            left = right;
        }
    }
}

double HistoryChart::markerX(const QRectF &area, const std::vector<HistoryBucket> &buckets, long long generation) const
{
    if (generation < buckets.front().firstGeneration || generation > buckets.back().lastGeneration)
        return -1;
    return generationX(area, buckets, double(generation));
}

void HistoryChart::paintMarkers(QPainter &painter, const Areas &areas, const std::vector<HistoryBucket> &buckets)
{
    if (!markers)
        return;
    const Chart::Colours colours = this->colours();
    painter.setRenderHint(QPainter::Antialiasing);
    const double tip = px(MarkerTip);
    for (int index = 0; index < markers->count(); ++index) {
        const HistoryMarker &marker = markers->at(index);
        const double x = markerX(areas.chart, buckets, marker.generation);
        if (x < 0)
            continue;
        QColor colour = marker.kind == HistoryMarker::Restart ? colours.text : colours.line(MarkerColours[marker.kind]);
        const bool picked = index == chosenMark() && hasFocus();
        if (picked)
            colour = palette().color(QPalette::Highlight);
        painter.setPen(QPen(colour, picked ? ChosenMarkWidth * zoom() : zoom()));
        painter.drawLine(QPointF(x, areas.chart.top()), QPointF(x, areas.strip.bottom()));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const QPointF triangle[] = {{x - tip, areas.chart.top() - tip}, {x + tip, areas.chart.top() - tip},
                                    {x, areas.chart.top()}};
        painter.drawPolygon(triangle, 3);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// Every mark within reach of the point, one line each.
QString HistoryChart::markersNear(const QPoint &point) const
{
    if (!markers || history->isEmpty())
        return QString();
    const std::vector<HistoryBucket> buckets = history->overview();
    const Areas current = areas(fitnessRange(buckets));
    if (point.y() < current.chart.top() - px(MarkerTip) || point.y() > current.strip.bottom())
        return QString();
    QStringList lines;
    for (int index = 0; index < markers->count(); ++index) {
        const HistoryMarker &marker = markers->at(index);
        const double x = markerX(current.chart, buckets, marker.generation);
        if (x >= 0 && std::abs(x - point.x()) <= px(MarkerReach))
            lines << tr("Generation %1: %2").arg(QLocale().toString(marker.generation)).arg(marker.text());
    }
    return lines.join('\n');
}
