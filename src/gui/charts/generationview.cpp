// SPDX-License-Identifier: GPL-3.0-or-later
#include "generationview.h"
#include "throttle.h"
#include "chartaxis.h"
#include "schema.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStaticText>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {
// Sizes at zoom 1.
const double Pad = 6;
const double CellSize = 16;
const double CellGap = 1;
const double RowGap = 3;
const double PairGap = 6;
const double ColumnGap = 8;
const double MarkerRadius = 4;
const double SplitWidth = 2;
const double FlipWidth = 2;
const double PointRadius = 4.5;
const double BarShare = 0.6; // of a wheel row's height
const double LeastBars = 80; // the wheel's bars keep this much before its numbers of copies show
const int WheelColumnsAlways = 3; // #, fitness and share
const double CellFontShare = 0.85; // of the view's font
const double SwatchShare = 0.8; // of a line of the key
const int DescribeMilliseconds = 250;
const int MinimumCheckSamples = 200; // fewer make a bin's mean too rough to judge
const int MostTicks = 6;
const double SmallestCopiesRange = 2; // the fewest copies an axis of copies spans
const int ErrorBarSpreads = 2;

const QColor BarColour(30, 90, 200);
const QColor GridColour = Chart::Grid;
const QColor OneColour(70, 70, 70);
const QColor ZeroColour(Qt::white);
const QColor PartnerOneColour(30, 90, 200);
const QColor PartnerZeroColour(205, 222, 250);
const QColor FlipColour(230, 110, 20);
const QColor SplitColour(200, 40, 40);
const QColor FaintText(90, 90, 90);

// In characters and text lines, so that they follow the font and the zoom: all
// four side by side fit beside the controls on a screen 1280 pixels wide.
const QSize WheelSize(33, 13);
const QSize PairsSize(60, 13);
const QSize MutationSize(25, 13);
const QSize CalibrationSize(24, 10);

QString percent(double chance)
{
    const double value = chance * 100;
    return QString::number(value, 'f', value >= 10 || value == 0 ? 0 : 1) + QStringLiteral("\u00a0%");
}

double expectedCopies(const GenerationTrace &trace, int membr)
{
    return double(CommunitySize) * double(trace.share(membr)) / double(trace.width);
}

int timesDrawn(const GenerationTrace &trace, int membr)
{
    return static_cast<int>(std::count(std::begin(trace.parents), std::end(trace.parents), membr));
}

QFont boldFont(const QPainter &painter)
{
    QFont font = painter.font();
    font.setBold(true);
    return font;
}

// The pairs' bit cells, bit 8 on the left, gathered to be painted in a few calls.
class BitCells
{
public:
    explicit BitCells(double scale) : scale(scale) {}

    // A row of cells across area; the split is marked between bit split and bit
    // split - 1. A child's cells below the split come from its partner.
    void add(const QRectF &area, int genome, int split, bool child, int flipped)
    {
        const double cell = area.width() / GenomeLength;
        const double side = std::min(cell, area.height()) - scale * CellGap;
        for (int position = 0; position < GenomeLength; ++position) {
            const int bit = GenomeLength - 1 - position;
            const bool one = genome >> bit & 1;
            const Kind kind = bit == flipped ? (one ? FlippedOne : FlippedZero)
                              : child && bit < split ? (one ? PartnerOne : PartnerZero)
                                                     : (one ? One : Zero);
            boxes[kind] << QRectF(area.left() + position * cell, area.center().y() - side / 2, side, side);
        }
        const double x = area.left() + (GenomeLength - split) * cell - scale * CellGap / 2;
        splits << QLineF(x, area.top() - scale * RowGap / 2, x, area.bottom() + scale * RowGap / 2);
    }

    void paint(QPainter &painter) const
    {
        static const QColor fills[Kinds] = {ZeroColour, OneColour, PartnerZeroColour, PartnerOneColour, FlipColour,
                                            FlipColour};
        painter.save();
        QFont font = painter.font();
        font.setPointSizeF(font.pointSizeF() * CellFontShare);
        painter.setFont(font);
        QStaticText digits[2] = {QStaticText(QStringLiteral("0")), QStaticText(QStringLiteral("1"))};
        for (QStaticText &digit : digits)
            digit.prepare(painter.transform(), font);
        for (int kind = 0; kind < Kinds; ++kind) {
            const bool flip = kind == FlippedZero || kind == FlippedOne;
            painter.setPen(QPen(flip ? SplitColour : GridColour.darker(130), scale * (flip ? FlipWidth : 1)));
            painter.setBrush(fills[kind]);
            painter.drawRects(boxes[kind].constData(), static_cast<int>(boxes[kind].size()));
            const bool one = kind == One || kind == PartnerOne || kind == FlippedOne;
            const QStaticText &digit = digits[one];
            painter.setPen(kind == One || kind == PartnerOne ? Qt::white : Qt::black);
            for (const QRectF &box : boxes[kind])
                painter.drawStaticText(box.center() - QPointF(digit.size().width(), digit.size().height()) / 2, digit);
        }
        painter.setPen(QPen(SplitColour, scale * SplitWidth));
        painter.drawLines(splits);
        painter.restore();
    }

private:
    enum Kind { Zero, One, PartnerZero, PartnerOne, FlippedZero, FlippedOne, Kinds };

    double scale;
    QList<QRectF> boxes[Kinds];
    QList<QLineF> splits;
};

// A title line across the top of area; returns what is left below it.
QRectF paintTitle(QPainter &painter, const QRectF &area, const QString &title, double gap)
{
    const double height = painter.fontMetrics().height();
    painter.save();
    painter.setFont(boldFont(painter));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(title, Qt::ElideRight, static_cast<int>(area.width())));
    painter.restore();
    return area.adjusted(0, height + gap, 0, 0);
}

// One entry of a key on line from x: a swatch, square or round, and its label.
// Returns where the next entry starts.
double paintKey(QPainter &painter, double x, const QRectF &line, const QColor &fill, const QPen &edge, bool round,
                const QString &label, double gap)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const double side = metrics.height() * SwatchShare;
    const QRectF swatch(x, line.center().y() - side / 2, side, side);
    painter.setPen(edge);
    painter.setBrush(fill);
    if (round)
        painter.drawEllipse(swatch);
    else
        painter.drawRect(swatch);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    x = swatch.right() + gap / 2;
    painter.drawText(QRectF(x, line.top(), line.right() - x, line.height()), Qt::AlignLeft | Qt::AlignVCenter, label);
    return x + metrics.horizontalAdvance(label) + gap;
}
}

// One painted part of the view, each a stop for Tab with a name and a description
// of its latest values.
class GenerationView::Part : public QWidget
{
public:
    Part(const GenerationView *view, Painter painter, QSize characters)
        : view(view), painter(painter), characters(characters)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

    QSize minimumSizeHint() const override
    {
        const QFontMetrics metrics = fontMetrics();
        return QSize(characters.width() * metrics.averageCharWidth(),
                     characters.height() * (metrics.height() + static_cast<int>(view->px(RowGap))));
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent * /* event */) override
    {
        QPainter p(this);
        (view->*painter)(p, QRectF(rect()).adjusted(view->px(Pad), view->px(Pad) / 2, -view->px(Pad), -view->px(Pad) / 2));
        if (hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::Highlight), view->px(1), Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
    }

private:
    const GenerationView *view;
    Painter painter;
    QSize characters;
};

GenerationView::GenerationView(QWidget *parent)
    : QWidget(parent)
{
    // The parts draw on this background; not being opaque, they repaint with the view.
    setAutoFillBackground(true);
    setPalette(QPalette(Chart::Background));
    std::fill(std::begin(childFitness), std::end(childFitness), 0);
    Part *wheel = addPart(&GenerationView::paintWheel, tr("Roulette wheel"), WheelSize);
    Part *pairs = addPart(&GenerationView::paintPairs, tr("Pairs and children"), PairsSize);
    Part *mutation = addPart(&GenerationView::paintMutation, tr("Mutation in numbers"), MutationSize);
    Part *calibration = addPart(&GenerationView::paintCalibration, tr("Selection check"), CalibrationSize);
    wheel->setToolTip(tr("A member's share of the wheel is its fitness over the fitness of all ten. Of the ten draws, "
                         "the bar shows the copies a member may expect, the dot the copies it got."));
    pairs->setToolTip(tr("Each pair splits at the red line: a child keeps its parent's bits left of it and takes its "
                         "partner's, blue, right of it. Mutation flipped the orange bits."));
    mutation->setToolTip(tr("Mutation in numbers: how many children mutate at the mutation probability p, and which "
                            "bit flips at the mutation bias"));
    calibration->setToolTip(tr("Over many generations, members expected to get so many copies should on average be "
                               "drawn that often: the points then lie near the dashed line."));

    QPushButton *clearButton = new QPushButton(tr("Clear check"));
    clearButton->setAccessibleName(tr("Clear the selection check"));
    clearButton->setToolTip(tr("Start counting the selection check again"));
    clearButton->setAccessibleDescription(tr("Starts counting the selection check again"));
    connect(clearButton, &QPushButton::clicked, this, &GenerationView::clearCheck);

    // The check's title above it, Clear below it.
    QWidget *checkPanel = new QWidget;
    QLabel *checkTitle = new QLabel(tr("<b>Selection check</b>"));
    checkTitle->setContentsMargins(static_cast<int>(px(Pad)), 0, 0, 0);
    QVBoxLayout *checkColumn = new QVBoxLayout(checkPanel);
    checkColumn->setContentsMargins(0, 0, 0, 0);
    checkColumn->setSpacing(0);
    checkColumn->addWidget(checkTitle);
    checkColumn->addWidget(calibration, 1);
    checkColumn->addWidget(clearButton, 0, Qt::AlignRight);

    // The parts pad themselves.
    QHBoxLayout *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(wheel, 4);
    layout->addWidget(pairs, 8);
    layout->addWidget(mutation, 3);
    layout->addWidget(checkPanel, 4);

    describing = new Throttle(DescribeMilliseconds, [this] { describe(); }, this);
    describing->request();
}

GenerationView::Part *GenerationView::addPart(Painter painter, const QString &name, QSize characters)
{
    Part *part = new Part(this, painter, characters);
    part->setAccessibleName(name);
    parts << part;
    return part;
}

void GenerationView::addGeneration(long long number, const GenerationTrace &trace, const int *landscape,
                                   const Settings &current)
{
    latest = trace;
    generation = number;
    settings = current;
    for (int child = 0; child < CommunitySize; ++child)
        childFitness[child] = landscape[trace.after[child]];
    check.add(trace);
    changed();
}

void GenerationView::setSettings(const Settings &current)
{
    settings = current;
    changed();
}

void GenerationView::clearCheck()
{
    check.reset();
    changed();
}

void GenerationView::forgetGeneration()
{
    generation = -1;
    changed();
}

void GenerationView::setZoom(double zoom)
{
    scale = std::clamp(zoom, 1.0, 3.0);
    setFont(::Chart::zoomedFont(QApplication::font(), scale));
    for (Part *part : parts)
        part->updateGeometry();
    update();
}

// The picture follows at once; the words for assistive technology at most a few
// times a second, the first change after a quiet spell at once.
void GenerationView::changed()
{
    update(); // and the parts with it
    describing->request();
}

void GenerationView::describe()
{
    parts[0]->setAccessibleDescription(wheelDescription());
    parts[1]->setAccessibleDescription(pairsDescription());
    parts[2]->setAccessibleDescription(mutationDescription());
    parts[3]->setAccessibleDescription(calibrationDescription());
}

void GenerationView::paintWheel(QPainter &painter, const QRectF &whole) const
{
    const QRectF area = paintTitle(painter, whole, tr("The wheel"), px(RowGap));
    painter.setPen(Qt::black);
    if (!hasGeneration()) {
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, tr("Run or step to see a generation."));
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    // The column heads, ten rows and the key.
    const double rowHeight = (area.height() - 2 * metrics.height()) / CommunitySize;
    const QStringList headers = {tr("#"), tr("fitness"), tr("share"), tr("expected"), tr("drawn")};
    QList<QStringList> rows;
    double most = SmallestCopiesRange;
    for (int membr = 0; membr < CommunitySize; ++membr) {
        const double expected = expectedCopies(latest, membr);
        const int drawn = timesDrawn(latest, membr);
        most = std::max({most, expected, double(drawn)});
        rows << QStringList{QString::number(membr), QString::number(latest.fitness[membr]),
                            percent(double(latest.share(membr)) / double(latest.width)),
                            QString::number(expected, 'f', 2), QString::number(drawn)};
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
    const qsizetype shown = area.right() - x >= px(LeastBars) ? headers.size() : WheelColumnsAlways;
    x = rights[shown - 1] + px(ColumnGap);
    const QRectF bars(x, area.top() + metrics.height(), std::max(area.right() - x, px(CellSize)),
                      rowHeight * CommunitySize);
    const auto copiesX = [&](double copies) { return bars.left() + bars.width() * copies / most; };

    for (int column = 0; column < shown; ++column) {
        painter.drawText(QRectF(area.left(), area.top(), rights[column] - area.left(), metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, headers[column]);
    }
    painter.drawText(QRectF(bars.left(), area.top(), bars.width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("0"));
    painter.drawText(QRectF(bars.left(), area.top(), bars.width(), metrics.height()), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(most));
    painter.setPen(QPen(GridColour, px(1)));
    for (int copies = 0; copies <= most; ++copies)
        painter.drawLine(QPointF(copiesX(copies), bars.top()), QPointF(copiesX(copies), bars.bottom()));

    painter.setRenderHint(QPainter::Antialiasing);
    for (int membr = 0; membr < CommunitySize; ++membr) {
        const QRectF row(area.left(), bars.top() + membr * rowHeight, area.width(), rowHeight);
        painter.setPen(Qt::black);
        for (int column = 0; column < shown; ++column) {
            painter.drawText(QRectF(area.left(), row.top(), rights[column] - area.left(), rowHeight),
                             Qt::AlignRight | Qt::AlignVCenter, rows[membr][column]);
        }
        const double barHeight = std::min(rowHeight * BarShare, px(CellSize));
        const double middle = row.center().y();
        painter.fillRect(QRectF(bars.left(), middle - barHeight / 2, copiesX(expectedCopies(latest, membr)) - bars.left(),
                                barHeight),
                         BarColour);
        painter.setBrush(Qt::black);
        painter.setPen(QPen(Qt::white, px(1)));
        painter.drawEllipse(QPointF(copiesX(timesDrawn(latest, membr)), middle), px(MarkerRadius), px(MarkerRadius));
        painter.setBrush(Qt::NoBrush);
    }

    const QRectF keyLine(area.left(), bars.bottom(), area.width(), metrics.height());
    const double next = paintKey(painter, area.left(), keyLine, BarColour, QPen(BarColour, px(1)), false,
                                 tr("expected copies"), px(ColumnGap));
    paintKey(painter, next, keyLine, Qt::black, QPen(Qt::black, px(1)), true, tr("drawn"), px(ColumnGap));
}

void GenerationView::paintPairs(QPainter &painter, const QRectF &whole) const
{
    const QString title = hasGeneration() ? tr("The pairs that made generation %1").arg(generation) : tr("The pairs");
    const QRectF area = paintTitle(painter, whole, title, px(RowGap));
    painter.setPen(Qt::black);
    if (!hasGeneration()) {
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, tr("Run or step to see a generation."));
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const double gap = px(ColumnGap);
    long long fittest = 0; // the widest fitness text, sign included
    for (int membr = 0; membr < CommunitySize; ++membr)
        fittest = std::max({fittest, std::llabs(latest.fitness[membr]), std::llabs(childFitness[membr])});
    const double pairWidth = std::max(metrics.horizontalAdvance(tr("pair 5")), metrics.horizontalAdvance(tr("split 8")));
    const double memberWidth = std::max(metrics.horizontalAdvance(tr("#")), metrics.horizontalAdvance(QStringLiteral("0")));
    const double genomeWidth = std::max(metrics.horizontalAdvance(QStringLiteral("000")), metrics.horizontalAdvance(tr("genome")));
    const double fitnessWidth = std::max(metrics.horizontalAdvance(tr("fitness")),
                                         metrics.horizontalAdvance(QString::number(-fittest)));
    const double arrowWidth = metrics.horizontalAdvance(QStringLiteral("→")) + gap / 2;
    const double numbersWidth = genomeWidth + fitnessWidth + 2 * gap;

    // Cells as large as the room allows, down to what a digit of the cell font
    // needs; the pairs' labels and the parents' numbers only where that leaves room.
    const double leastCell = CellFontShare * metrics.height();
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

    BitCells cells(scale);
    for (int child = 0; child < CommunitySize; ++child) {
        const int pair = child / 2;
        const double top = head.top() + rowHeight + child * rowHeight + pair * px(PairGap);
        const int parent = latest.parents[child];
        const int split = latest.splits[pair];
        painter.setPen(Qt::black);
        if (wide) {
            text(area.left(), top, pairWidth, child % 2 == 0 ? tr("pair %1").arg(pair + 1) : tr("split %1").arg(split),
                 Qt::AlignLeft);
            text(parentGenome, top, genomeWidth, QString::number(latest.before[parent]), Qt::AlignRight);
            text(parentFitness, top, fitnessWidth, QString::number(latest.fitness[parent]), Qt::AlignRight);
        }
        text(memberLeft, top, memberWidth, QString::number(parent), Qt::AlignRight);
        text(arrowLeft, top, arrowWidth, QStringLiteral("→"), Qt::AlignHCenter);
        text(childGenome, top, genomeWidth, QString::number(latest.after[child]), Qt::AlignRight);
        text(childFitnessLeft, top, fitnessWidth, QString::number(childFitness[child]), Qt::AlignRight);
        cells.add(QRectF(parentCells, top, cellsWidth, rowHeight), latest.before[parent], split, false, -1);
        cells.add(QRectF(childCells, top, cellsWidth, rowHeight), latest.after[child], split, true, latest.flipped[child]);
    }

    cells.paint(painter);

    const QRectF keyLine(area.left(), head.top() + (CommunitySize + 1) * rowHeight + (Pairs - 1) * px(PairGap),
                         area.width(), rowHeight);
    double x = paintKey(painter, area.left(), keyLine, SplitColour, QPen(SplitColour, px(1)), false, tr("split"), gap);
    x = paintKey(painter, x, keyLine, PartnerOneColour, QPen(PartnerOneColour, px(1)), false, tr("from the partner"), gap);
    paintKey(painter, x, keyLine, FlipColour, QPen(SplitColour, px(1)), false, tr("flipped"), gap);
}

void GenerationView::paintMutation(QPainter &painter, const QRectF &whole) const
{
    QRectF area = paintTitle(painter, whole, tr("Mutation"), px(RowGap));
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
                     : tr("p = %1 → 1/\u2060(100\u00a0−\u00a0%1) = %2 of children mutate, one bit each.").arg(p).arg(percent(mutationChance(p))),
              Qt::black);
    if (hasGeneration()) {
        const int mutated = static_cast<int>(std::count_if(std::begin(latest.flipped), std::end(latest.flipped),
                                                           [](int bit) { return bit >= 0; }));
        paragraph(tr("Generation %1: %2 of 10 did.").arg(generation).arg(mutated), FaintText);
    }
    // Each bit's chance as a multiple of the rarest one's: whole numbers at every bias.
    double rarest = 1;
    double highest = 0;
    for (int bit = 0; bit < GenomeLength; ++bit) {
        rarest = std::min(rarest, flipChance(settings.bias, bit));
        highest = std::max(highest, flipChance(settings.bias, bit));
    }
    const int parts = static_cast<int>(std::lround(1 / rarest));
    paragraph(tr("The bit that flips at bias %1, in %2ths:").arg(settings.bias).arg(parts), Qt::black);
    const QString note = settings.bias == 0
                             ? tr("Bias 1 to 10 instead all give the same chances, (9\u00a0−\u00a0bit)²/\u2060285: bit 0 the most.")
                             : tr("The same at every bias from 1 to 10: (9\u00a0−\u00a0bit)²/\u2060285. Bias 0 gives 1/9 each.");

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
        painter.fillRect(bar, BarColour);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(bars.left() + position * column, bar.top() - labelHeight, column, labelHeight),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(std::lround(chance / rarest)));
        painter.drawText(QRectF(bars.left() + position * column, bars.bottom(), column, labelHeight), Qt::AlignCenter,
                         QString::number(bit));
    }
    area.setTop(bars.bottom() + labelHeight + px(RowGap));
    paragraph(note, FaintText);
}

void GenerationView::paintCalibration(QPainter &painter, const QRectF &whole) const
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(FaintText);
    const QString legend = tr("%n generation(s); bars ±%1 s.e.; hollow: under %2 members", nullptr,
                              static_cast<int>(std::min<long long>(check.generations(), INT_MAX)))
                               .arg(ErrorBarSpreads)
                               .arg(MinimumCheckSamples);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF legendBox = painter.boundingRect(whole, flags, legend);
    painter.drawText(whole, flags, legend);
    const QRectF area = whole.adjusted(0, legendBox.height() + px(RowGap), 0, 0);
    double most = SmallestCopiesRange;
    for (int index = 0; index < SelectionCheck::Bins; ++index) {
        const SelectionCheck::Bin &bin = check.bin(index);
        if (bin.samples > 0)
            most = std::max({most, bin.meanExpected(), bin.meanObserved()});
    }
    most = std::ceil(most);
    const QList<double> ticks = axisTicks(0, most, MostTicks);
    const double labelWidth = metrics.horizontalAdvance(QString::number(most)) + px(Pad);
    const double side = std::min(area.width() - labelWidth - metrics.height() - px(Pad),
                                 area.height() - 2 * metrics.height() - px(Pad));
    if (side <= 0)
        return;
    const QRectF plot(area.left() + labelWidth + metrics.height(), area.top() + px(Pad) / 2, side, side);
    const auto at = [&](double expected, double observed) {
        return QPointF(plot.left() + plot.width() * expected / most, plot.bottom() - plot.height() * observed / most);
    };

    painter.setPen(Qt::black);
    for (double tick : ticks) {
        painter.setPen(QPen(GridColour, px(1)));
        painter.drawLine(at(0, tick), at(most, tick));
        painter.drawLine(at(tick, 0), at(tick, most));
        painter.setPen(Qt::black);
        const QString label = QString::number(tick);
        painter.drawText(QRectF(plot.left() - labelWidth, at(0, tick).y() - metrics.height() / 2.0, labelWidth - px(2),
                                metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
        painter.drawText(QRectF(at(tick, 0).x() - labelWidth, plot.bottom(), 2 * labelWidth, metrics.height()),
                         Qt::AlignCenter, label);
    }
    painter.drawRect(plot);
    painter.drawText(QRectF(plot.left(), plot.bottom() + metrics.height(), plot.width(), metrics.height()),
                     Qt::AlignCenter, tr("expected copies"));
    painter.save();
    painter.translate(area.left(), plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), metrics.height()), Qt::AlignCenter, tr("drawn"));
    painter.restore();

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(FaintText, px(1), Qt::DashLine));
    painter.drawLine(at(0, 0), at(most, most));
    bool any = false;
    for (int index = 0; index < SelectionCheck::Bins; ++index) {
        const SelectionCheck::Bin &bin = check.bin(index);
        if (bin.samples == 0)
            continue;
        any = true;
        painter.setPen(QPen(BarColour, px(1)));
        const double reach = ErrorBarSpreads * bin.spread();
        painter.drawLine(at(bin.meanExpected(), std::max(0.0, bin.meanObserved() - reach)),
                         at(bin.meanExpected(), std::min(most, bin.meanObserved() + reach)));
        painter.setPen(QPen(BarColour, px(1.5)));
        painter.setBrush(bin.samples >= MinimumCheckSamples ? BarColour : Chart::Background);
        painter.drawEllipse(at(bin.meanExpected(), bin.meanObserved()), px(PointRadius), px(PointRadius));
    }
    painter.setBrush(Qt::NoBrush);
    if (!any) {
        painter.setPen(FaintText);
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, tr("Nothing counted yet."));
    }
}

QString GenerationView::wheelDescription() const
{
    if (!hasGeneration())
        return tr("No generation yet.");
    QStringList members;
    for (int membr = 0; membr < CommunitySize; ++membr) {
        members << tr("member %1: fitness %2, %3 of the wheel, expected %4 copies, drawn %n time(s)", nullptr,
                      timesDrawn(latest, membr))
                       .arg(membr)
                       .arg(latest.fitness[membr])
                       .arg(percent(double(latest.share(membr)) / double(latest.width)))
                       .arg(expectedCopies(latest, membr), 0, 'f', 2);
    }
    return tr("The wheel that drew generation %1, %2 positions wide. ").arg(generation).arg(latest.width)
           + members.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString GenerationView::pairsDescription() const
{
    if (!hasGeneration())
        return tr("No generation yet.");
    QStringList pairs;
    for (int pair = 0; pair < Pairs; ++pair) {
        QStringList children;
        for (int child = 2 * pair; child < 2 * pair + 2; ++child) {
            const int parent = latest.parents[child];
            QString text = tr("child %1 from member %2 (%3, fitness %4) and its partner member %5: %6, fitness %7")
                               .arg(child)
                               .arg(parent)
                               .arg(latest.before[parent])
                               .arg(latest.fitness[parent])
                               .arg(latest.partner(child))
                               .arg(latest.after[child])
                               .arg(childFitness[child]);
            if (latest.flipped[child] >= 0)
                text += tr(", bit %1 flipped").arg(latest.flipped[child]);
            children << text;
        }
        pairs << tr("Pair %1, split %2: %3").arg(pair + 1).arg(latest.splits[pair]).arg(children.join(QStringLiteral("; ")));
    }
    return tr("Generation %1. ").arg(generation) + pairs.join(QStringLiteral(". ")) + QLatin1Char('.');
}

QString GenerationView::mutationDescription() const
{
    QStringList chances;
    for (int bit = 0; bit < GenomeLength; ++bit)
        chances << tr("bit %1 %2").arg(bit).arg(percent(flipChance(settings.bias, bit)));
    return tr("At p = %1, %2 of children mutate. At bias %3 the flipped bit is %4. Bias 1 to 10 all give the same "
              "chances.")
        .arg(settings.mutation)
        .arg(percent(mutationChance(settings.mutation)))
        .arg(settings.bias)
        .arg(chances.join(QStringLiteral(", ")));
}

QString GenerationView::calibrationDescription() const
{
    QStringList bins;
    for (int index = 0; index < SelectionCheck::Bins; ++index) {
        const SelectionCheck::Bin &bin = check.bin(index);
        if (bin.samples == 0)
            continue;
        bins << tr("expected %1 to %2: %3 members, mean expected %4, mean drawn %5")
                    .arg(bin.low)
                    .arg(bin.high)
                    .arg(bin.samples)
                    .arg(bin.meanExpected(), 0, 'f', 3)
                    .arg(bin.meanObserved(), 0, 'f', 3);
    }
    if (bins.isEmpty())
        return tr("Draws against expected copies: nothing counted yet.");
    return tr("Draws against expected copies over %1 generations: ").arg(check.generations())
           + bins.join(QStringLiteral("; ")) + QLatin1Char('.');
}
