// SPDX-License-Identifier: GPL-3.0-or-later
#include "schemachart.h"
#include "countform.h"
#include "chartaxis.h"
#include "schemaseries.h"
#include "sizes.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// Sizes at zoom 1.
const double Pad = 6;
const double LineWidth = 1; // one-pixel pens take the rasterizer's fast path
const double DashLength = 5;
const double TickLength = 3;
const double CountHeadroom = 0.05; // of the count axis, above ten
const double LinePad = 3;           // between the frame and counts of 0 and 10
const double SignRadius = 4;        // of the sign at a schema's latest count
const int CountTicks = 7;           // 0 to 10 in steps of 2 where there is room
const int GenerationTicks = 6;
// Beside the controls on a screen 1280 pixels wide, the chart and the bound's
// factors share the room left of the schemata's column.
const QSize Characters(45, 9);

// The line through points as segments; with a dash length, only every other
// stretch of that length along it.
QList<QLineF> dashes(const QPolygonF &points, double dash)
{
    QList<QLineF> segments;
    double walked = 0;
    for (qsizetype index = 1; index < points.size(); ++index) {
        const QLineF line(points[index - 1], points[index]);
        if (dash <= 0) {
            segments << line;
            continue;
        }
        // Cut the segment where the pattern turns on or off.
        const double length = line.length();
        double from = 0;
        while (from < length) {
            const double phase = std::fmod(walked + from, 2 * dash);
            const double to = std::min(length, from + (phase < dash ? dash - phase : 2 * dash - phase));
            if (phase < dash)
                segments << QLineF(line.pointAt(from / length), line.pointAt(to / length));
            from = to;
        }
        walked += length;
    }
    return segments;
}
}

// The sign of the schema at index: a circle, a square, a triangle or a diamond,
// hollow from the fifth on, so that schemata differ by more than their colours.
void SchemaChart::paintSign(QPainter &painter, int index, const QPointF &centre, double radius)
{
    const int shapes = 4;
    painter.setBrush(index < shapes ? QBrush(painter.pen().color()) : QBrush(Qt::NoBrush));
    switch (index % shapes) {
    case 0:
        painter.drawEllipse(centre, radius, radius);
        break;
    case 1:
        painter.drawRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
        break;
    case 2: {
        const QPointF corners[] = {centre + QPointF(0, -radius), centre + QPointF(radius, radius), centre + QPointF(-radius, radius)};
        painter.drawPolygon(corners, 3);
        break;
    }
    default: {
        const QPointF corners[] = {centre + QPointF(0, -radius), centre + QPointF(radius, 0), centre + QPointF(0, radius),
                                   centre + QPointF(-radius, 0)};
        painter.drawPolygon(corners, 4);
    }
    }
    painter.setBrush(Qt::NoBrush);
}

SchemaChart::SchemaChart(const std::vector<SchemaSeries> *series, QWidget *parent)
    : ChartWidget(parent), series(series)
{
    setTitle(tr("Members that match (solid) and their bound (dashed)"));
    setAccessibleName(tr("Schema counts and bounds"));
    setToolTip(tr("For each schema, the members of each generation that match it (solid) and the least number the "
                  "schema theorem expects from the generation before (dashed)"));
    changed();
}

void SchemaChart::setLatest(long long generation)
{
    latest = generation;
    changed();
}

QSize SchemaChart::minimumSizeHint() const
{
    return QSize(Characters.width() * fontMetrics().averageCharWidth(), Characters.height() * fontMetrics().height());
}

QSize SchemaChart::sizeHint() const
{
    return minimumSizeHint();
}

void SchemaChart::paint(QPainter &painter)
{
    const QFontMetricsF metrics(painter.font());
    const Chart::Colours colours = this->colours();
    const double pad = px(Pad);
    // A little above ten, so that a count of ten does not hide in the frame.
    ChartAxis counts(ChartAxis::Left, 0, CommunitySize * (1 + CountHeadroom), zoom(), colours);
    counts.setMostTicks(CountTicks);
    counts.setWhole(true);
    counts.setPadding(LinePad);
    long long first = latest;
    for (const SchemaSeries &schema : *series) {
        if (!schema.columns().empty())
            first = std::min(first, schema.columns().front().first);
    }
    ChartAxis generations(ChartAxis::Bottom, double(first), double(latest), zoom(), colours);
    generations.setWhole(true);
    generations.setPadding(LinePad);
    generations.setMostTicks(GenerationTicks);
    generations.setGrid(false);
    generations.setTickLength(TickLength);
    generations.setTitle(tr("generation"));

    // The title wraps above the plot where it is narrow.
    const double left = counts.room(metrics);
    const int titleFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF titleBox(left, 0, width() - left - pad, height());
    const double titleHeight = painter.boundingRect(titleBox, titleFlags, title()).height();
    const QRectF plot(left, titleHeight + pad, width() - left - 2 * pad,
                      height() - titleHeight - generations.room(metrics) - pad * 3 / 2);
    if (plot.width() <= 0 || plot.height() <= 0)
        return;

    painter.setPen(colours.text);
    painter.drawText(titleBox, titleFlags, title());
    counts.paint(painter, plot);
    painter.setPen(QPen(colours.text, zoom()));
    painter.drawRect(plot);
    if (series->empty() || latest < 0) {
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap,
                         series->empty() ? tr("Type a schema on the left to follow it.")
                                         : tr("Run or step to count the members."));
        return;
    }
    generations.paint(painter, plot);

    const auto x = [&](const SchemaSeries::Column &column) {
        return generations.position(plot, (column.first + column.last) / 2.0);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t index = 0; index < series->size(); ++index) {
        const SchemaSeries &schema = (*series)[index];
        QPolygonF matches;
        QPolygonF bounds;
        for (const SchemaSeries::Column &column : schema.columns()) {
            matches << QPointF(x(column), counts.position(plot, column.matches()));
            bounds << QPointF(x(column), counts.position(plot, column.bound()));
        }
        // Separate segments: a wide pen strokes them far faster than one long line.
        painter.setPen(QPen(colours.line(schema.colour), px(LineWidth)));
        painter.drawLines(dashes(bounds, px(DashLength)));
        painter.drawLines(dashes(matches, 0));
        if (!matches.isEmpty())
            paintSign(painter, schema.sign, matches.back(), px(SignRadius));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

QString SchemaChart::description() const
{
    if (series->empty())
        return tr("No schema tracked.");
    QStringList lines;
    for (const SchemaSeries &schema : *series) {
        const QString name = QString::fromStdString(schema.schema.text());
        if (schema.columns().empty()) {
            lines << tr("%1: no generation counted yet").arg(name);
            continue;
        }
        const SchemaSeries::Column &column = schema.columns().back();
        lines << tr("%1: %L2 member(s) match, bound %L3", nullptr, meanCountForm(column.matches()))
                     .arg(name)
                     .arg(column.matches(), 0, 'g', 4)
                     .arg(column.bound(), 0, 'f', 2);
    }
    // After a restart nothing is counted yet: there is no generation to name.
    const QString counted = latest >= 0 ? tr("Generation %1. ").arg(QLocale().toString(latest)) : QString();
    return counted + lines.join(QStringLiteral("; ")) + QLatin1Char('.');
}
