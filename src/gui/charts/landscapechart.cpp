// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapechart.h"
#include "chartaxis.h"
#include "common.h"
#include "history.h"
#include "landscapename.h"
#include "landscapestroke.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <vector>

namespace {
using Chart::LeftMargin;
const int RightMargin = 16;
const int TextGap = 8;         // under the title and the trail's caption
const int TickLength = 4;
const int RoomyRows = 8;       // lines of text the plot and the trail need for the titles to show
const int MinimumHeight = 200;
const int PreferredHeight = 440;
const double TrailShare = 0.3; // of the height below the top margin
const double TrailMarkWidth = 3.0;
const double Headroom = 0.05;  // of the value range, at least, above and below
const int MostValueTicks = 8;
const int GenomeTickStep = 64; // or twice or four times that where the labels would crowd
const double LabelSpacing = 1.5; // label widths from one genome label to the next, at least
const double MarkerRadius = 7.0;
const double MarkerPenWidth = 1.5;
const double TrailPad = 2.0;   // above the newest row and below the oldest
const double MarkerReach = 2.0; // beyond a marker's edge, still its tooltip
const int MostTopsNamed = 4;
const int GenomeLeap = 16; // Left and Right with Shift
const int ValueLeap = 10;  // Up and Down with Shift
const double ChosenLineWidth = 1.5;
const QColor MarkerColour = Chart::Orange;
const QColor TrailColour = Chart::Blue;

ChartAxis valueAxis(double low, double high, double zoom, const Chart::Colours &colours = Chart::Colours())
{
    ChartAxis axis(ChartAxis::Left, low, high, zoom, colours);
    axis.setMostTicks(MostValueTicks);
    axis.setPadding(MarkerRadius);
    return axis;
}
}

LandscapeChart::LandscapeChart(const int *landscape, const Genome *community, const History *history,
                               QWidget *parent)
    : ChartWidget(parent), landscape(landscape), community(community), history(history)
{
    setTitle(tr("Fitness landscape and members"));
}

void LandscapeChart::setLandscapeName(const QString &name)
{
    landscapeName = LandscapeName::shown(name);
    changed();
}

std::map<int, int> LandscapeChart::members() const
{
    std::map<int, int> standing; // genome -> how many members stand on it
    for (int membr = 0; membr < CommunitySize; ++membr)
        ++standing[genomeAsInteger(GenomeLength, const_cast<int *>(community[membr]))];
    return standing;
}

QString LandscapeChart::memberText(int genome, int count) const
{
    return tr("genome %1 (bits %2), fitness %3: %n member(s)", nullptr, count)
        .arg(genome)
        .arg(genome, GenomeLength, 2, QChar('0'))
        .arg(landscape[genome]);
}

// Where values tie for the highest, every genome that has it, up to a few.
QString LandscapeChart::description() const
{
    const int highest = *std::max_element(landscape, landscape + LandscapeSize);
    QStringList tops;
    int topCount = 0;
    for (int genome = 0; genome < LandscapeSize; ++genome) {
        if (landscape[genome] == highest && ++topCount <= MostTopsNamed)
            tops << QString::number(genome);
    }
    const QString where = topCount == 1 ? tr("at genome %1").arg(tops.constFirst())
                          : topCount <= MostTopsNamed
                              ? tr("tied at genomes %1").arg(tops.join(tr(", ")))
                              : tr("tied at %n genomes, the first %1", nullptr, topCount).arg(tops.join(tr(", ")));
    const std::map<int, int> counts = members();
    QStringList standing;
    for (const auto &[genome, count] : counts)
        standing << memberText(genome, count);
    const auto on = counts.find(chosen);
    const QString at = chosen < 0 ? QString()
                                  : tr("Chosen: %1. ").arg(memberText(chosen, on == counts.end() ? 0 : on->second));
    return at + tr("Landscape %1, values %2 to %3, highest %4. Members: %5.")
        .arg(landscapeName)
        .arg(*std::min_element(landscape, landscape + LandscapeSize))
        .arg(highest)
        .arg(where)
        .arg(standing.join(tr("; ")));
}

// Over a member's marker, what it stands for.
bool LandscapeChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return ChartWidget::event(event);
    const QPoint pointer = static_cast<QHelpEvent *>(event)->pos();
    const Scale current = scale();
    QStringList lines;
    for (const auto &[genome, count] : members()) {
        const QPointF centre(current.x(genome), current.y(landscape[genome]));
        if (QLineF(centre, pointer).length() <= px(MarkerRadius + MarkerReach))
            lines << memberText(genome, count);
    }
    if (lines.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), lines.join('\n'), this);
    return true;
}

QSize LandscapeChart::minimumSizeHint() const
{
    // The titles, three value labels and the trail; three genome labels.
    const QFontMetricsF metrics(font());
    const double rows = px(TickLength) + 2 * (metrics.height() + px(TextGap)) + (RoomyRows + 1) * metrics.height();
    const double plot = std::max(LandscapeSize / 2.0, 4 * LabelSpacing * metrics.horizontalAdvance(QString::number(LastGenome)));
    return QSize(static_cast<int>(std::ceil(px(LeftMargin + RightMargin) + std::max(plot, metrics.horizontalAdvance(title())))),
                 std::max(MinimumHeight, static_cast<int>(std::ceil(rows))));
}

QSize LandscapeChart::sizeHint() const
{
    return QSize(LeftMargin + RightMargin + 3 * LandscapeSize / 2, PreferredHeight);
}

double LandscapeChart::Scale::x(int genome) const
{
    return inside().left() + inside().width() * (genome + 0.5) / LandscapeSize;
}

double LandscapeChart::Scale::y(double value) const
{
    return inside().bottom() - inside().height() * (value - low) / (high - low);
}

int LandscapeChart::Scale::genomeAt(double x) const
{
    return std::clamp(static_cast<int>(std::floor((x - inside().left()) * LandscapeSize / inside().width())), 0, LastGenome);
}

double LandscapeChart::Scale::valueAt(double y) const
{
    return low + (inside().bottom() - y) * (high - low) / inside().height();
}

// Margins of a line of text for the title, the genome labels and the trail's caption.
// The scale holds still while a stroke is drawn, and while editing it reaches at
// least the top of the main window's view.
LandscapeChart::Scale LandscapeChart::scale() const
{
    if (stroking)
        return frozen;
    Scale scale;
    // From 0, or the lowest value below it, to the highest value.
    const auto [lowest, highest] = std::minmax_element(landscape, landscape + LandscapeSize);
    scale.low = std::min(0.0, double(*lowest));
    scale.high = std::max(scale.low + 1.0, double(*highest));
    if (editing)
        scale.high = std::max(scale.high, double(PlotHeight));

    const QFontMetricsF metrics(font());
    const double left = std::max<double>(LeftMargin, valueAxis(scale.low, scale.high, zoom()).room(metrics));
    const double axisGap = px(TickLength) + metrics.height();
    // The title and the trail's caption give way where they would crowd out the plot.
    const double textRow = metrics.height() + px(TextGap);
    scale.titled = height() - axisGap - 2 * textRow >= RoomyRows * metrics.height();
    const double top = scale.titled ? textRow : px(TextGap);
    const double usable = height() - 2 * top - axisGap;
    const double trailHeight = usable * TrailShare;
    scale.plot = QRectF(left, top, width() - left - px(RightMargin), usable - trailHeight);
    scale.trail = QRectF(scale.plot.left(), scale.plot.bottom() + axisGap, scale.plot.width(), trailHeight);
    // A marker on genome 0 or 511, or on the lowest value, stands inside the frame.
    scale.pad = px(MarkerRadius);

    // Room above the highest value for a marker and its count label.
    const double span = scale.high - scale.low;
    const double labelRoom = px(MarkerRadius) + metrics.height();
    const double headroom = span * std::max(Headroom, labelRoom / std::max(scale.inside().height() - labelRoom, 1.0));
    scale.high += headroom;
    if (scale.low < 0)
        scale.low -= span * Headroom;
    return scale;
}

void LandscapeChart::paint(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const Scale current = scale();
    paintLandscape(painter, current);
    paintMembers(painter, current);
    paintTrail(painter, current);
    paintChosen(painter, current);
}

void LandscapeChart::paintLandscape(QPainter &painter, const Scale &scale)
{
    const Chart::Colours colours = this->colours();
    valueAxis(scale.low, scale.high, zoom(), colours).paint(painter, scale.plot);
    if (scale.titled)
        paintTitle(painter, QRectF(scale.plot.left(), 0, scale.plot.width(), scale.plot.top()));
    // Genome g takes the width from g - 0.5 to g + 0.5.
    ChartAxis genomes(ChartAxis::Bottom, -0.5, LastGenome + 0.5, zoom(), colours);
    genomes.setPadding(MarkerRadius);
    const double labelWidth = LabelSpacing * painter.fontMetrics().horizontalAdvance(QString::number(LastGenome));
    int step = GenomeTickStep;
    while (step < LandscapeSize / 2 && scale.plot.width() * step / LandscapeSize < labelWidth)
        step *= 2;
    QList<double> ticks;
    for (int genome = 0; genome <= LandscapeSize; genome += step)
        ticks << std::min(genome, LastGenome);
    genomes.setTicks(ticks);
    genomes.setGrid(false);
    genomes.setTickLength(TickLength);
    genomes.paint(painter, scale.plot);
    painter.setPen(QPen(colours.text, zoom()));
    painter.drawRect(scale.plot);

    // At 100 %, one-pixel pens take the rasterizer's fast path.
    QPointF line[LandscapeSize];
    for (int genome = 0; genome < LandscapeSize; ++genome)
        line[genome] = QPointF(scale.x(genome), scale.y(landscape[genome]));
    painter.setPen(QPen(colours.faint, zoom()));
    painter.drawPolyline(line, LandscapeSize);
}

void LandscapeChart::paintMembers(QPainter &painter, const Scale &scale)
{
    const QFont plain = painter.font();
    QFont font = plain;
    font.setBold(true);
    painter.setFont(font);
    const double radius = px(MarkerRadius);
    const QColor outline = colours().text;
    // Counts whose labels would touch share one, left to right: "3× 7×".
    struct Label
    {
        QStringList counts;
        double left;
        double right;
        double bottom;
        QRectF rect(const QFontMetricsF &metrics) const
        {
            const double width = metrics.horizontalAdvance(counts.join(' '));
            return QRectF((left + right - width) / 2, bottom - metrics.height(), width, metrics.height());
        }
    };
    const QFontMetricsF metrics(font);
    std::vector<Label> labels;
    for (const auto &[genome, count] : members()) {
        const QPointF centre(scale.x(genome), scale.y(landscape[genome]));
        painter.setPen(QPen(outline, px(MarkerPenWidth)));
        painter.setBrush(MarkerColour);
        painter.drawEllipse(centre, radius, radius);
        if (count < 2)
            continue;
        Label label{{QString("%1×").arg(count)}, centre.x(), centre.x(), centre.y() - radius};
        if (!labels.empty() && labels.back().rect(metrics).intersects(label.rect(metrics))) {
            Label &before = labels.back();
            before.counts << label.counts;
            before.right = label.right;
            before.bottom = std::min(before.bottom, label.bottom);
        } else {
            labels.push_back(label);
        }
    }
    for (const Label &label : labels)
        painter.drawText(label.rect(metrics), Qt::AlignCenter, label.counts.join(' '));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(plain);
}

// The newest generation on top, older ones below it.
void LandscapeChart::paintTrail(QPainter &painter, const Scale &scale)
{
    const Chart::Colours colours = this->colours();
    painter.setPen(QPen(colours.text, zoom()));
    painter.drawRect(scale.trail);
    // Its caption under it, clear of the rows.
    if (scale.titled) {
        const QString title = tr("trail: the last %1 generations, newest on top").arg(TrailGenerations);
        painter.drawText(QRectF(scale.trail.left(), scale.trail.bottom(), scale.trail.width(), painter.fontMetrics().height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(title, Qt::ElideLeft, static_cast<int>(scale.trail.width())));
    }
    const int shown = std::min(history->fullCount(), TrailGenerations);
    if (shown == 0)
        return;
    const QRectF rows = scale.trail.adjusted(0, px(TrailPad), 0, -px(TrailPad));
    const double rowHeight = rows.height() / TrailGenerations;
    QList<QRectF> marks;
    marks.reserve(shown * CommunitySize);
    for (int age = 0; age < shown; ++age) {
        const GenerationRecord &record = history->full(history->fullCount() - 1 - age);
        const double y = rows.top() + age * rowHeight;
        for (unsigned short genome : record.genomes)
            marks << QRectF(scale.x(genome) - px(TrailMarkWidth) / 2, y, px(TrailMarkWidth), std::max(rowHeight, 1.0));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.line(TrailColour));
    painter.drawRects(marks.constData(), static_cast<int>(marks.size()));
    painter.setBrush(Qt::NoBrush);
}

void LandscapeChart::setEditing(bool on)
{
    if (stroking) {
        stroking = false;
        emit strokeFinished();
    }
    finishKeyStroke();
    editing = on;
    setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    update();
}

void LandscapeChart::mousePressEvent(QMouseEvent *event)
{
    if (!editing || stroking || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    frozen = scale();
    stroking = true;
    std::copy(landscape, landscape + LandscapeSize, before);
    std::copy(landscape, landscape + LandscapeSize, drawn);
    sample(event->position(), startGenome, startValue);
    lastGenome = startGenome;
    lastValue = startValue;
    emit strokeStarted();
    drawTo(event->position(), false);
}

void LandscapeChart::mouseMoveEvent(QMouseEvent *event)
{
    if (!stroking)
        return QWidget::mouseMoveEvent(event);
    drawTo(event->position(), event->modifiers() & Qt::ShiftModifier);
}

void LandscapeChart::mouseReleaseEvent(QMouseEvent *event)
{
    if (!stroking || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    drawTo(event->position(), event->modifiers() & Qt::ShiftModifier);
    stroking = false;
    emit strokeFinished();
    update();
}

// While the chart has the focus, a line at the genome the keys chose, with its value.
void LandscapeChart::paintChosen(QPainter &painter, const Scale &scale)
{
    if (chosen < 0 || !hasFocus())
        return;
    const QColor colour = QPalette().color(QPalette::Highlight);
    const double x = scale.x(chosen);
    painter.setPen(QPen(colour, px(ChosenLineWidth), Qt::DashLine));
    painter.drawLine(QPointF(x, scale.plot.top()), QPointF(x, scale.plot.bottom()));
    const QString label = tr("genome %1: %2").arg(chosen).arg(landscape[chosen]);
    const double width = painter.fontMetrics().horizontalAdvance(label) + px(TextGap);
    const double left = x + width + px(TextGap) > scale.plot.right() ? x - width : x + px(TextGap) / 2;
    painter.drawText(QRectF(left, scale.plot.top(), width, painter.fontMetrics().height()), Qt::AlignCenter, label);
}

void LandscapeChart::choose(int genome)
{
    chosen = std::clamp(genome, 0, LastGenome);
    changed();
}

// The keys explore the landscape as the pointer does: Left and Right (with Shift,
// GenomeLeap at a time), Home and End choose a genome; while editing, Up and Down
// (with Shift, ValueLeap at a time) change its value, a held key as one change.
void LandscapeChart::keyPressEvent(QKeyEvent *event)
{
    const bool leap = event->modifiers() & Qt::ShiftModifier;
    const int at = std::max(chosen, 0);
    switch (event->key()) {
    case Qt::Key_Left:
        choose(chosen < 0 ? 0 : at - (leap ? GenomeLeap : 1));
        break;
    case Qt::Key_Right:
        choose(chosen < 0 ? 0 : at + (leap ? GenomeLeap : 1));
        break;
    case Qt::Key_Home:
        choose(0);
        break;
    case Qt::Key_End:
        choose(LastGenome);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!editing || stroking)
            return ChartWidget::keyPressEvent(event);
        raiseChosen((event->key() == Qt::Key_Up ? 1 : -1) * (leap ? ValueLeap : 1), event->isAutoRepeat());
        break;
    default:
        ChartWidget::keyPressEvent(event);
    }
}

void LandscapeChart::raiseChosen(int by, bool held)
{
    chosen = std::max(chosen, 0);
    if (!keyStroking || !held) {
        finishKeyStroke();
        keyStroking = true;
        emit strokeStarted();
    }
    std::copy(landscape, landscape + LandscapeSize, drawn);
    drawn[chosen] = static_cast<int>(std::clamp(static_cast<long long>(drawn[chosen]) + by, 0LL,
                                                static_cast<long long>(INT_MAX)));
    emit strokeDrawn(drawn);
    changed();
}

void LandscapeChart::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down))
        finishKeyStroke();
    ChartWidget::keyReleaseEvent(event);
}

void LandscapeChart::focusOutEvent(QFocusEvent *event)
{
    finishKeyStroke();
    ChartWidget::focusOutEvent(event);
}

void LandscapeChart::finishKeyStroke()
{
    if (!keyStroking)
        return;
    keyStroking = false;
    emit strokeFinished();
}

// Whole values from 0 to the top of the frozen axis.
void LandscapeChart::sample(const QPointF &position, int &genome, int &value) const
{
    genome = frozen.genomeAt(position.x());
    value = static_cast<int>(std::lround(std::clamp(frozen.valueAt(position.y()), 0.0, std::floor(frozen.high))));
}

void LandscapeChart::drawTo(const QPointF &position, bool straight)
{
    int genome;
    int value;
    sample(position, genome, value);
    if (straight) {
        std::copy(before, before + LandscapeSize, drawn);
        drawLandscapeLine(drawn, startGenome, startValue, genome, value);
    } else {
        drawLandscapeLine(drawn, lastGenome, lastValue, genome, value);
    }
    lastGenome = genome;
    lastValue = value;
    emit strokeDrawn(drawn);
}
