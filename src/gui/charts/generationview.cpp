// SPDX-License-Identifier: GPL-3.0-or-later
#include "generationview.h"
#include "chartstyle.h"
#include "generationpart.h"
#include "mutationchart.h"
#include "pairschart.h"
#include "selectioncheckchart.h"
#include "wheelchart.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

GenerationView::GenerationView(QWidget *parent)
    : QWidget(parent)
{
    // Between the parts, on the charts' background.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    wheel = new WheelChart;
    pairs = new PairsChart;
    mutation = new MutationChart;
    check = new SelectionCheckChart;

    clearButton = new QPushButton(tr("Clear check"));
    clearButton->setAccessibleName(tr("Clear the selection check"));
    clearButton->setToolTip(tr("Start counting the selection check again"));
    clearButton->setAccessibleDescription(tr("Starts counting the selection check again"));
    connect(clearButton, &QPushButton::clicked, this, &GenerationView::clearCheck);

    // The check's title above it, Clear below it.
    QWidget *checkPanel = new QWidget;
    QLabel *checkTitle = new QLabel(tr("<b>Selection check</b>"));
    checkTitle->setContentsMargins(static_cast<int>(GenerationPart::Pad), 0, 0, 0);
    QVBoxLayout *checkColumn = new QVBoxLayout(checkPanel);
    checkColumn->setContentsMargins(0, 0, 0, 0);
    checkColumn->setSpacing(0);
    checkColumn->addWidget(checkTitle);
    checkColumn->addWidget(check, 1);
    checkColumn->addWidget(clearButton, 0, Qt::AlignRight);

    // The parts pad themselves.
    QHBoxLayout *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(wheel, 4);
    layout->addWidget(pairs, 8);
    layout->addWidget(mutation, 3);
    layout->addWidget(checkPanel, 4);
}

void GenerationView::addGeneration(long long number, const GenerationTrace &trace, const int *landscape,
                                   const Settings &settings)
{
    shown = true;
    latest = trace;
    wheel->setGeneration(number, latest);
    pairs->setGeneration(number, latest, landscape);
    mutation->setGeneration(number, trace, settings);
    check->addGeneration(trace);
}

void GenerationView::setSettings(const Settings &settings)
{
    mutation->setSettings(settings);
}

void GenerationView::clearCheck()
{
    check->clear();
}

void GenerationView::forgetGeneration()
{
    shown = false;
    wheel->forgetGeneration();
    pairs->forgetGeneration();
    mutation->forgetGeneration();
}

void GenerationView::setZoom(double zoom)
{
    setFont(Chart::zoomedFont(QApplication::font(), std::clamp(zoom, Chart::SmallestZoom, Chart::LargestZoom)));
    for (ChartWidget *part : std::initializer_list<ChartWidget *>{wheel, pairs, mutation, check})
        part->setZoom(zoom);
}

QList<QWidget *> GenerationView::tabOrder() const
{
    return {wheel, pairs, mutation, check, clearButton};
}

const SelectionCheck &GenerationView::selectionCheck() const
{
    return check->selectionCheck();
}
