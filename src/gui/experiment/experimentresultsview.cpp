// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentresultsview.h"
#include "chartaxis.h"
#include "heatmapchart.h"
#include "hitratechart.h"
#include "parametercaption.h"
#include "runlengthchart.h"
#include "runtablemodel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const int RowPadding = 6; // in the table, above and below the text
const int ChartsStretch = 3;
const int TableStretch = 2;
const int HitRateStretch = 2;
const int RunLengthStretch = 3;
}

ExperimentResultsView::ExperimentResultsView(QWidget *parent)
    : QSplitter(Qt::Vertical, parent)
{
    hitRateChart = new HitRateChart;
    runLengthChart = new RunLengthChart;
    heatMapChart = new HeatMapChart;
    ratePage = new QWidget;
    QHBoxLayout *rateLayout = new QHBoxLayout(ratePage);
    rateLayout->setContentsMargins(0, 0, 0, 0);
    rateLayout->addWidget(hitRateChart, HitRateStretch);
    rateLayout->addWidget(runLengthChart, RunLengthStretch);
    // Not a stack: the page hidden must not hold the other to its size.
    chartPage = new QWidget;
    QVBoxLayout *pageLayout = new QVBoxLayout(chartPage);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    shownLabel = new QLabel;
    shownLabel->setWordWrap(true);
    shownLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    shownLabel->setMargin(shownLabel->fontMetrics().height() / 2); // also in the saved image
    shownLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    shownLabel->setText(caption());
    pageLayout->addWidget(shownLabel);
    pageLayout->addWidget(ratePage);
    pageLayout->addWidget(heatMapChart);
    heatMapChart->hide();
    chartArea = new QScrollArea;
    chartArea->setWidget(chartPage);
    chartArea->setWidgetResizable(true);
    chartArea->setFrameShape(QFrame::NoFrame);
    chartArea->setFocusPolicy(Qt::NoFocus); // Tab goes to the charts in it

    model = new RunTableModel(this);
    sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(Qt::UserRole);
    table = new QTableView;
    table->setModel(sorted);
    table->setAccessibleName(tr("Runs"));
    table->setToolTip(tr("Double-click a run, or press Enter, to watch it in the main window."));
    table->setAccessibleDescription(table->toolTip());
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false); // Tab leaves the table; the arrows walk it
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + RowPadding);

    // On screen, not in the saved image: how to watch a run.
    QLabel *hint = new QLabel(tr("Double-click a run in the table or a cell of the heat map, or press Enter on it, "
                                 "to watch that run in the main window."));
    hint->setWordWrap(true);
    QWidget *tablePage = new QWidget;
    QVBoxLayout *tableLayout = new QVBoxLayout(tablePage);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(hint);
    tableLayout->addWidget(table);

    addWidget(chartArea);
    addWidget(tablePage);
    setStretchFactor(0, ChartsStretch);
    setStretchFactor(1, TableStretch);
    setChildrenCollapsible(false);

    connect(table, &QTableView::activated, this, &ExperimentResultsView::chooseRun);
    connect(heatMapChart, &HeatMapChart::combinationActivated, this, &ExperimentResultsView::chooseCombination);
}

QList<ExperimentChart *> ExperimentResultsView::charts() const
{
    return {hitRateChart, runLengthChart, heatMapChart};
}

void ExperimentResultsView::setResults(const SharedResults &results)
{
    this->results = results;
    for (ExperimentChart *chart : charts())
        chart->setResults(results);
    const bool grid = results && results->plan.variations.size() > 1;
    ratePage->setVisible(!grid);
    heatMapChart->setVisible(grid);
    model->setResults(results);
    table->resizeColumnsToContents();
    shownLabel->setText(caption());
}

QString ExperimentResultsView::caption() const
{
    if (!results)
        return tr("No results yet: plan an experiment and press Start.");
    const ExperimentPlan &plan = results->plan;
    QStringList varied;
    QList<const Parameter *> parameters;
    for (const Variation &variation : plan.variations) {
        varied << parameterCaption(*variation.parameter);
        parameters << variation.parameter;
    }
    const QString fixed = fixedCaption(parameters, plan.base);
    QString line = tr("%1 · %2 varied · %3 · seeds %4 to %5 · %L6 generations · target %7")
                       .arg(results->landscapeName, varied.isEmpty() ? tr("nothing") : varied.join(tr(" and ")),
                            fixed.isEmpty() ? tr("nothing fixed") : fixed)
                       .arg(plan.firstSeed)
                       .arg(static_cast<qulonglong>(plan.firstSeed) + static_cast<qulonglong>(plan.seeds) - 1)
                       .arg(plan.generations)
                       .arg(plan.targetValue());
    if (variesMultiplier(plan.variations))
        line += QLatin1Char('\n') + multiplierNote();
    return line;
}

void ExperimentResultsView::setZoom(double factor)
{
    for (ExperimentChart *chart : charts())
        chart->setZoom(factor);
}

QPixmap ExperimentResultsView::chartsPicture() const
{
    return chartPage->grab();
}

void ExperimentResultsView::chooseRun(const QModelIndex &index)
{
    if (index.isValid())
        emit runActivated(static_cast<std::size_t>(sorted->mapToSource(index).row()));
}

// The first run of the combination.
void ExperimentResultsView::chooseCombination(int combination)
{
    if (results)
        emit runActivated(static_cast<std::size_t>(combination * results->plan.seeds));
}
