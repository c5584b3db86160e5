// SPDX-License-Identifier: GPL-3.0-or-later
#include "schemataview.h"
#include "throttle.h"
#include "chartaxis.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
// Sizes at zoom 1.
const double Pad = 6;
const double LineWidth = 1; // one-pixel pens take the rasterizer's fast path
const double DashLength = 5;
const double LegendLine = 24;
const int SwatchSize = 12;
const int DescribeMilliseconds = 250;
const double CountHeadroom = 0.05; // of the count axis, above ten
const int MaxInputLength = 32;
const int GenomeTickCount = 6;
// Beside the controls on a screen 1280 pixels wide, the chart and the bound's
// factors share the room left of the schemata's column.
const QSize ChartCharacters(45, 9);
const QSize ExplanationCharacters(30, 6);
const QSize ListCharacters(28, 3);
const int ChartStretch = 1;
const int ExplanationStretch = 1;
const QColor ErrorColour(170, 20, 20);
const QColor FaintText(90, 90, 90);
// Told apart also by those who see few colours.
const QColor Colours[SchemataView::MostSchemata] = {
    QColor(0, 114, 178), QColor(213, 94, 0),  QColor(0, 158, 115),  QColor(204, 121, 167),
    QColor(86, 180, 233), QColor(230, 159, 0), QColor(40, 40, 40),  QColor(150, 150, 60),
};

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

QString percent(double chance)
{
    return QString::number(chance * 100, 'f', chance * 100 >= 10 ? 1 : 2) + QStringLiteral("\u00a0%");
}
}

// Count and bound of each schema over the generations, means of columns.
class SchemataView::Chart : public QWidget
{
public:
    explicit Chart(const SchemataView *view) : view(view)
    {
        setAutoFillBackground(true);
        setPalette(QPalette(::Chart::Background));
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(SchemataView::tr("Schema counts and bounds"));
        setToolTip(SchemataView::tr("For each schema, the members of each generation that match it (solid) and the "
                                    "least number the schema theorem expects from the generation before (dashed)"));
    }

    QSize minimumSizeHint() const override
    {
        return QSize(ChartCharacters.width() * fontMetrics().averageCharWidth(),
                     ChartCharacters.height() * fontMetrics().height());
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent * /* event */) override;

private:
    const SchemataView *view;
};

void SchemataView::Chart::paintEvent(QPaintEvent * /* event */)
{
    QPainter painter(this);
    const QFontMetrics metrics = painter.fontMetrics();
    const double pad = view->px(Pad);
    const double labelWidth = metrics.horizontalAdvance(QStringLiteral("10")) + 2 * pad;
    const QString title = SchemataView::tr("Members that match (solid) and their bound (dashed)");
    const int titleFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF titleBox(labelWidth, 0, width() - labelWidth - pad, height());
    const double titleHeight = painter.boundingRect(titleBox, titleFlags, title).height();
    const QRectF plot(labelWidth, titleHeight + pad, width() - labelWidth - 2 * pad,
                      height() - titleHeight - 2 * metrics.height() - 2 * pad);
    if (plot.width() <= 0 || plot.height() <= 0)
        return;

    painter.setPen(Qt::black);
    painter.drawText(titleBox, titleFlags, title);
    // A little above ten, so that a count of ten does not hide in the frame.
    const double top = CommunitySize * (1 + CountHeadroom);
    for (int count = 0; count <= CommunitySize; count += 2) {
        const double y = plot.bottom() - plot.height() * count / top;
        painter.setPen(QPen(::Chart::Grid, view->px(1)));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, plot.left() - pad, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(count));
    }
    painter.setPen(QPen(Qt::black, view->px(1)));
    painter.drawRect(plot);

    long long first = view->generation;
    for (const Tracked &series : view->tracked) {
        if (!series.columns.empty())
            first = std::min(first, series.columns.front().first);
    }
    const long long last = view->generation;
    const QRectF labels(plot.left(), plot.bottom(), plot.width(), metrics.height());
    if (view->tracked.empty() || last < 0) {
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap,
                         view->tracked.empty() ? SchemataView::tr("Type a schema on the left to follow it.")
                                               : SchemataView::tr("Run or step to count the members."));
        return;
    }
    for (double tick : axisTicks(double(first), double(last), GenomeTickCount)) {
        const double x = last > first ? plot.left() + plot.width() * (tick - first) / double(last - first) : plot.center().x();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + pad / 2));
        painter.drawText(QRectF(x - plot.width() / 2, labels.top(), plot.width(), labels.height()), Qt::AlignCenter,
                         QString::number(tick, 'f', 0));
    }
    painter.drawText(labels.translated(0, metrics.height()), Qt::AlignCenter, SchemataView::tr("generation"));

    const auto x = [&](const Column &column) {
        const double middle = (column.first + column.last) / 2.0;
        return last > first ? plot.left() + plot.width() * (middle - first) / double(last - first) : plot.center().x();
    };
    const auto y = [&](double count) { return plot.bottom() - plot.height() * count / top; };
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Tracked &series : view->tracked) {
        QPolygonF counts;
        QPolygonF bounds;
        for (const Column &column : series.columns) {
            counts << QPointF(x(column), y(column.countTotal / column.generations));
            bounds << QPointF(x(column), y(column.boundTotal / column.generations));
        }
        // Separate segments: a wide pen strokes them far faster than one long line.
        painter.setPen(QPen(series.colour, view->px(LineWidth)));
        painter.drawLines(dashes(bounds, view->px(DashLength)));
        painter.drawLines(dashes(counts, 0));
        if (counts.size() == 1)
            painter.drawEllipse(counts.front(), view->px(LineWidth) * 2, view->px(LineWidth) * 2);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), view->px(1), Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

SchemataView::SchemataView(QWidget *parent)
    : QWidget(parent)
{
    input = new QLineEdit;
    input->setPlaceholderText(tr("for example 1********"));
    input->setMaxLength(MaxInputLength);
    input->setAccessibleName(tr("Schema"));
    input->setAccessibleDescription(tr("Nine characters from bit 8 down to bit 0: 1, 0 or * for either"));
    QLabel *inputLabel = new QLabel(tr("&Schema: nine characters, bit 8 first"));
    inputLabel->setBuddy(input);
    inputLabel->setWordWrap(true);
    QPushButton *trackButton = new QPushButton(tr("Track"));
    connect(trackButton, &QPushButton::clicked, this, &SchemataView::trackTyped);
    connect(input, &QLineEdit::returnPressed, this, &SchemataView::trackTyped);

    messageLabel = new QLabel(tr("1 and 0 fix a bit, * takes either."));
    messageLabel->setWordWrap(true);
    messageLabel->setAccessibleName(tr("Schema message"));

    list = new QListWidget;
    list->setAccessibleName(tr("Tracked schemata"));
    list->setMinimumSize(ListCharacters.width() * fontMetrics().averageCharWidth(),
                         ListCharacters.height() * fontMetrics().height());
    removeButton = new QPushButton(tr("Remove"));
    removeButton->setEnabled(false);
    connect(removeButton, &QPushButton::clicked, this, &SchemataView::removeSelected);
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        removeButton->setEnabled(row >= 0);
        describe();
    });

    chart = new Chart(this);
    // Beside the chart on the window's background; it scrolls only when zoomed in.
    explanationText = new QTextBrowser;
    explanationText->setFrameShape(QFrame::NoFrame);
    explanationText->setAccessibleName(tr("The bound's factors"));
    QPalette plain = explanationText->palette();
    plain.setColor(QPalette::Base, plain.color(QPalette::Window));
    explanationText->setPalette(plain);
    setExplanationMinimum();

    QHBoxLayout *entry = new QHBoxLayout;
    entry->addWidget(input, 1);
    entry->addWidget(trackButton);
    QVBoxLayout *left = new QVBoxLayout;
    left->addWidget(inputLabel);
    left->addLayout(entry);
    left->addWidget(messageLabel);
    left->addWidget(list, 1);
    left->addWidget(removeButton, 0, Qt::AlignRight);
    QHBoxLayout *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left);
    layout->addWidget(chart, ChartStretch);
    layout->addWidget(explanationText, ExplanationStretch);

    describing = new Throttle(DescribeMilliseconds, [this] { describe(); }, this);
    describing->request();
}

void SchemataView::addGeneration(long long number, const GenerationTrace &trace, const Settings &current)
{
    if (number <= generation)
        clearCounts();
    latest = trace;
    generation = number;
    settings = current;
    for (Tracked &series : tracked)
        addPoint(series);
    changed();
}

// The latest generation's count and the bound the step gave for it.
void SchemataView::addPoint(Tracked &series)
{
    const double count = schemaCount(series.schema, latest.after);
    const double bound = schemaBound(series.schema, latest, settings.mutation, settings.bias).value();
    if (!series.columns.empty() && series.columns.back().generations < series.span) {
        Column &column = series.columns.back();
        column.last = generation;
        ++column.generations;
        column.countTotal += count;
        column.boundTotal += bound;
        return;
    }
    if (series.columns.size() == MostColumns) {
        for (std::size_t index = 0; index < MostColumns / 2; ++index) {
            const Column &a = series.columns[2 * index];
            const Column &b = series.columns[2 * index + 1];
            series.columns[index] = Column{a.first, b.last, a.generations + b.generations, a.countTotal + b.countTotal,
                                           a.boundTotal + b.boundTotal};
        }
        series.columns.resize(MostColumns / 2);
        series.span *= 2;
    }
    series.columns.push_back(Column{generation, generation, 1, count, bound});
}

bool SchemataView::track(const QString &typed)
{
    const QString text = typed.trimmed();
    const SchemaParse parse = parseSchema(text.toLatin1().toStdString());
    if (text.isEmpty()) {
        showMessage(tr("Type nine characters, one for each bit from bit 8 down to bit 0: 1, 0 or * for either."), true);
        return false;
    }
    if (parse.error == SchemaError::Length) {
        showMessage(tr("“%1” has %n character(s); a schema has nine, one for each bit from bit 8 down to bit 0.", nullptr,
                       static_cast<int>(text.size()))
                        .arg(text),
                    true);
        return false;
    }
    if (parse.error == SchemaError::Character) {
        showMessage(tr("Character %1 of “%2” (bit %3) is “%4”: use 1, 0 or * for either.")
                        .arg(parse.position + 1)
                        .arg(text)
                        .arg(GenomeLength - 1 - parse.position)
                        .arg(text.at(parse.position)),
                    true);
        return false;
    }
    const QString name = QString::fromStdString(parse.schema.text());
    for (const Tracked &series : tracked) {
        if (series.schema == parse.schema) {
            showMessage(tr("%1 is tracked already.").arg(name), true);
            return false;
        }
    }
    if (trackedCount() == MostSchemata) {
        showMessage(tr("At most %1 schemata at a time: remove one first.").arg(MostSchemata), true);
        return false;
    }

    Tracked series;
    series.schema = parse.schema;
    for (const QColor &colour : Colours) {
        if (std::none_of(tracked.begin(), tracked.end(), [&](const Tracked &other) { return other.colour == colour; })) {
            series.colour = colour;
            break;
        }
    }
    series.columns.reserve(MostColumns);
    if (generation >= 0)
        addPoint(series);
    tracked.push_back(std::move(series));
    input->clear();
    showMessage(tr("Tracking %1: order %2, defining length %3.")
                    .arg(name)
                    .arg(parse.schema.order())
                    .arg(parse.schema.definingLength()),
                false);
    rebuildList();
    list->setCurrentRow(trackedCount() - 1);
    changed();
    return true;
}

void SchemataView::remove(int index)
{
    if (index < 0 || index >= trackedCount())
        return;
    showMessage(tr("Removed %1.").arg(schemaText(index)), false);
    tracked.erase(tracked.begin() + index);
    rebuildList();
    list->setCurrentRow(std::min(index, trackedCount() - 1));
    changed();
}

void SchemataView::clearCounts()
{
    for (Tracked &series : tracked) {
        series.columns.clear();
        series.span = 1;
    }
    generation = -1;
    changed();
}

void SchemataView::setZoom(double zoom)
{
    scale = std::clamp(zoom, 1.0, 3.0);
    setFont(::Chart::zoomedFont(QApplication::font(), scale));
    list->setMinimumSize(ListCharacters.width() * list->fontMetrics().averageCharWidth(),
                         ListCharacters.height() * list->fontMetrics().height());
    setExplanationMinimum();
    rebuildList();
    chart->updateGeometry();
    update();
}

int SchemataView::heightForWidth(int width) const
{
    return layout()->totalMinimumHeightForWidth(width);
}

QString SchemataView::schemaText(int index) const
{
    return QString::fromStdString(tracked[index].schema.text());
}

QString SchemataView::message() const
{
    return messageLabel->text();
}

QString SchemataView::explanation() const
{
    const int index = explained();
    if (index < 0)
        return tr("Add a schema to see the bound's factors with the current numbers.");
    const Tracked &series = tracked[index];
    const QString name = QStringLiteral("<b>%1</b>").arg(schemaText(index));
    if (generation < 0)
        return tr("%1: run or step to see the bound's factors with the current numbers.").arg(name);
    const SchemaBound bound = schemaBound(series.schema, latest, settings.mutation, settings.bias);
    const int now = schemaCount(series.schema, latest.after);
    const long long before = generation - 1;
    if (bound.count == 0) {
        return tr("%1: no member of generation %2 matches, so the bound for generation %3 is 0 (only mutation can "
                  "make a match). Generation %3 has %4.")
            .arg(name)
            .arg(before)
            .arg(generation)
            .arg(now);
    }
    const int lowest = series.schema.lowest();
    const int highest = series.schema.highest();
    // A line for each factor.
    return tr("%1: m = %2 members of generation %3 match.<br>"
              "S<sub>H</sub>/S̄ = %4 / %5 = %6: their mean share of the wheel against the mean of all "
              "ten.<br>"
              "1 − d(H)/9 = 1 − %7/9 = %8: a split falls between its outermost fixed bits (%9 and %10) "
              "in %7 of 9 cases.<br>"
              "1 − q·P<sub>H</sub> = 1 − %11 × %12 = %13: q = 1/\u2060(100\u00a0−\u00a0%14) of children mutate, and "
              "P<sub>H</sub> is the chance that the flipped bit (bias %15) is one of its %16 fixed bits.<br>"
              "Bound for generation %17: %2 × %6 × %8 × %13 = <b>%18</b>; it has <b>%19</b>.")
        .arg(name)
        .arg(bound.count)
        .arg(before)
        .arg(percent(bound.matchShare), percent(bound.meanShare))
        .arg(bound.selection(), 0, 'f', 3)
        .arg(bound.definingLength)
        .arg(bound.crossoverSurvival(), 0, 'f', 3)
        .arg(highest)
        .arg(lowest)
        .arg(percent(bound.mutation), percent(bound.fixedFlip))
        .arg(bound.mutationSurvival(), 0, 'f', 4)
        .arg(settings.mutation)
        .arg(settings.bias)
        .arg(series.schema.order())
        .arg(generation)
        .arg(bound.value(), 0, 'f', 2)
        .arg(now);
}

void SchemataView::showMessage(const QString &text, bool error)
{
    QPalette palette = messageLabel->palette();
    palette.setColor(QPalette::WindowText, error ? ErrorColour : FaintText);
    messageLabel->setPalette(palette);
    messageLabel->setText(text);
}

void SchemataView::trackTyped()
{
    if (!track(input->text()))
        input->setFocus();
}

void SchemataView::removeSelected()
{
    remove(list->currentRow());
}

void SchemataView::rebuildList()
{
    const QSignalBlocker blocker(list);
    list->clear();
    const int side = static_cast<int>(px(SwatchSize));
    for (const Tracked &series : tracked) {
        QPixmap swatch(side, side);
        swatch.fill(series.colour);
        list->addItem(new QListWidgetItem(QIcon(swatch), tr("%1   order %2, d(H) = %3")
                                                             .arg(QString::fromStdString(series.schema.text()))
                                                             .arg(series.schema.order())
                                                             .arg(series.schema.definingLength())));
    }
    list->setIconSize(QSize(side, side));
}

void SchemataView::changed()
{
    chart->update();
    describing->request();
}

void SchemataView::describe()
{
    removeButton->setEnabled(list->currentRow() >= 0);
    // Kept where the reader scrolled it.
    const int scrolled = explanationText->verticalScrollBar()->value();
    explanationText->setHtml(explanation());
    explanationText->verticalScrollBar()->setValue(scrolled);
    chart->setAccessibleDescription(chartDescription());
}

void SchemataView::setExplanationMinimum()
{
    const QFontMetrics metrics = explanationText->fontMetrics();
    explanationText->setMinimumSize(ExplanationCharacters.width() * metrics.averageCharWidth(),
                                    ExplanationCharacters.height() * metrics.height());
}

// The selected schema, else the last one added; -1 without any.
int SchemataView::explained() const
{
    return list->currentRow() >= 0 ? list->currentRow() : trackedCount() - 1;
}

QString SchemataView::chartDescription() const
{
    if (tracked.empty())
        return tr("No schema tracked.");
    QStringList lines;
    for (int index = 0; index < trackedCount(); ++index) {
        const Tracked &series = tracked[index];
        if (series.columns.empty()) {
            lines << tr("%1: no generation counted yet").arg(schemaText(index));
            continue;
        }
        const Column &column = series.columns.back();
        lines << tr("%1: %2 members match, bound %3")
                     .arg(schemaText(index))
                     .arg(column.countTotal / column.generations, 0, 'g', 4)
                     .arg(column.boundTotal / column.generations, 0, 'f', 2);
    }
    return tr("Generation %1. ").arg(generation) + lines.join(QStringLiteral("; ")) + QLatin1Char('.');
}
