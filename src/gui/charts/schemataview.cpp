// SPDX-License-Identifier: GPL-3.0-or-later
#include "schemataview.h"
#include "chartstyle.h"
#include "schemachart.h"
#include "throttle.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Sizes at zoom 1.
const int SwatchSize = 12;
const int DescribeMilliseconds = 250;
const int MaxInputLength = 32;
const QSize ExplanationCharacters(30, 6);
const QSize ListCharacters(28, 3);
const int ChartStretch = 1;
const int ExplanationStretch = 1;
const int PercentDigits = 3;
static_assert(SchemataView::MostSchemata <= Chart::DistinctCount, "a colour for each schema");
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
    trackButton = new QPushButton(tr("Track"));
    trackButton->setAccessibleDescription(tr("Follow the schema typed: its count and its bound in every generation"));
    connect(trackButton, &QPushButton::clicked, this, &SchemataView::trackTyped);
    connect(input, &QLineEdit::returnPressed, this, &SchemataView::trackTyped);

    messageLabel = new QLabel(tr("1 and 0 fix a bit, * takes either."));
    messageLabel->setWordWrap(true);
    // Named by its words, which screen readers are told of as they change.
    messageLabel->setAccessibleDescription(tr("What became of the schema typed"));

    list = new QListWidget;
    list->setAccessibleName(tr("Tracked schemata"));
    list->setAccessibleDescription(tr("The schemata followed, with order and defining length; the one chosen has its "
                                      "bound's factors told beside the chart"));
    list->setMinimumSize(ListCharacters.width() * fontMetrics().averageCharWidth(),
                         ListCharacters.height() * fontMetrics().height());
    removeButton = new QPushButton(tr("Remove"));
    removeButton->setEnabled(false);
    connect(removeButton, &QPushButton::clicked, this, &SchemataView::removeSelected);
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        removeButton->setEnabled(row >= 0);
        describe();
    });

    chart = new SchemaChart(&tracked);
    // Beside the chart on the window's background; it scrolls only when zoomed in.
    explanationText = new QTextBrowser;
    explanationText->setFrameShape(QFrame::NoFrame);
    explanationText->setAccessibleName(tr("The bound's factors"));
    explanationText->setAccessibleDescription(tr("How the schema theorem's bound for the latest generation comes "
                                                 "about, factor by factor"));
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
    for (SchemaSeries &series : tracked)
        addPoint(series);
    changed();
}

// The latest generation's count and the bound the step gave for it.
void SchemataView::addPoint(SchemaSeries &series)
{
    series.add(generation, schemaCount(series.schema, latest.after),
               schemaBound(series.schema, latest, settings.mutation, settings.bias).value());
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
    for (const SchemaSeries &series : tracked) {
        if (series.schema == parse.schema) {
            showMessage(tr("%1 is tracked already.").arg(name), true);
            return false;
        }
    }
    if (trackedCount() == MostSchemata) {
        showMessage(tr("At most %1 schemata at a time: remove one first.").arg(MostSchemata), true);
        return false;
    }

    SchemaSeries series;
    series.schema = parse.schema;
    for (int index = 0; index < Chart::DistinctCount; ++index) {
        if (std::none_of(tracked.begin(), tracked.end(), [&](const SchemaSeries &other) { return other.sign == index; })) {
            series.colour = Chart::Distinct[index];
            series.sign = index;
            break;
        }
    }
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
    for (SchemaSeries &series : tracked)
        series.clear();
    generation = -1;
    changed();
}

void SchemataView::setZoom(double zoom)
{
    scale = std::clamp(zoom, Chart::SmallestZoom, Chart::LargestZoom);
    setFont(Chart::zoomedFont(QApplication::font(), scale));
    list->setMinimumSize(ListCharacters.width() * list->fontMetrics().averageCharWidth(),
                         ListCharacters.height() * list->fontMetrics().height());
    setExplanationMinimum();
    rebuildList();
    chart->setZoom(scale);
    // Never squeezed below what can be read: the tab scrolls instead.
    chart->setMinimumSize(chart->minimumSizeHint());
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
    const SchemaSeries &series = tracked[index];
    const QString name = QStringLiteral("<b>%1</b>").arg(schemaText(index));
    if (generation < 0)
        return tr("%1: run or step to see the bound's factors with the current numbers.").arg(name);
    const SchemaBound bound = schemaBound(series.schema, latest, settings.mutation, settings.bias);
    const int now = schemaCount(series.schema, latest.after);
    const long long before = generation - 1;
    if (bound.count == 0) {
        // The theorem counts matches that survive; a match can also be made anew: by a
        // mutation, and for two fixed bits or more by a crossover that joins them from two parents.
        const QString made = series.schema.order() > 1
                                 ? tr("a crossover that joins its bits from two parents, or a mutation, can make a match")
                                 : tr("only a mutation can make a match");
        return tr("%1: no member of generation %2 matches, so the bound for generation %3 is 0 (%4). Generation %3 has "
                  "%5.")
            .arg(name)
            .arg(QLocale().toString(before))
            .arg(QLocale().toString(generation))
            .arg(made)
            .arg(now);
    }
    const int lowest = series.schema.lowest();
    const int highest = series.schema.highest();
    // A line for each factor.
    return tr("%1: m = %2 member(s) of generation %3 match.<br>"
              "S<sub>H</sub>/S̄ = %4 / %5 = %L6: their mean share of the wheel against the mean of all "
              "ten.<br>"
              "1 − d(H)/9 = 1 − %7/9 = %L8: a split falls between its outermost fixed bits (%9 and %10) "
              "in %7 of 9 cases.<br>"
              "1 − q·P<sub>H</sub> = 1 − %11 × %12 = %L13: q = 1/\u2060(100\u00a0−\u00a0%14) of children mutate, and "
              "P<sub>H</sub> is the chance that the flipped bit (bias %15) is one of its %16 fixed bits.<br>"
              "Bound for generation %17: %2 × %L6 × %L8 × %L13 = <b>%L18</b>; it has <b>%19</b>.", nullptr, bound.count)
        .arg(name)
        .arg(bound.count)
        .arg(QLocale().toString(before))
        .arg(Chart::percent(bound.matchShare, PercentDigits), Chart::percent(bound.meanShare, PercentDigits))
        .arg(bound.selection(), 0, 'f', 3)
        .arg(bound.definingLength)
        .arg(bound.crossoverSurvival(), 0, 'f', 3)
        .arg(highest)
        .arg(lowest)
        .arg(Chart::percent(bound.mutation, PercentDigits), Chart::percent(bound.fixedFlip, PercentDigits))
        .arg(bound.mutationSurvival(), 0, 'f', 4)
        .arg(settings.mutation)
        .arg(settings.bias)
        .arg(series.schema.order())
        .arg(QLocale().toString(generation))
        .arg(bound.value(), 0, 'f', 2)
        .arg(now);
}

void SchemataView::showMessage(const QString &text, bool error)
{
    QPalette palette = messageLabel->palette();
    const Chart::Colours colours = Chart::Colours::of(this->palette(), true);
    palette.setColor(QPalette::WindowText, error ? colours.error : colours.faint);
    messageLabel->setPalette(palette);
    messageLabel->setText(text);
    if (error) {
        QAccessibleEvent alert(messageLabel, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
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
    const int side = static_cast<int>(SwatchSize * scale);
    const Chart::Colours colours = Chart::Colours::of(list->palette());
    for (const SchemaSeries &series : tracked) {
        // The sign that marks it in the chart.
        QPixmap swatch(side, side);
        swatch.fill(Qt::transparent);
        QPainter painter(&swatch);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colours.line(series.colour), scale));
        SchemaChart::paintSign(painter, series.sign, QPointF(side / 2.0, side / 2.0), side / 2.0 - scale);
        painter.end();
        list->addItem(new QListWidgetItem(QIcon(swatch), tr("%1   order %2, d(H) = %3")
                                                             .arg(QString::fromStdString(series.schema.text()))
                                                             .arg(series.schema.order())
                                                             .arg(series.schema.definingLength())));
    }
    list->setIconSize(QSize(side, side));
}

void SchemataView::changed()
{
    chart->setLatest(generation);
    describing->request();
}

// The factors' text is replaced only while shown and only when it changed, so
// that a screen reader reading it is not sent back to its start.
void SchemataView::describe()
{
    removeButton->setEnabled(list->currentRow() >= 0);
    describeWhenShown = !isVisible();
    if (describeWhenShown)
        return;
    const QString text = explanation();
    if (text == shownExplanation)
        return;
    shownExplanation = text;
    // Kept where the reader scrolled it.
    const int scrolled = explanationText->verticalScrollBar()->value();
    explanationText->setHtml(text);
    explanationText->verticalScrollBar()->setValue(scrolled);
}

QList<QWidget *> SchemataView::tabOrder() const
{
    return {input, trackButton, list, removeButton, chart, explanationText};
}

void SchemataView::showEvent(QShowEvent *event)
{
    if (describeWhenShown)
        describe();
    QWidget::showEvent(event);
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
