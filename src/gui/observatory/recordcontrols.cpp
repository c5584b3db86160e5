// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordcontrols.h"
#include "panelbutton.h"
#include "parameters.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QDoubleSpinBox>

#include <algorithm>
#include <climits>

RecordControls::RecordControls(QWidget *parent)
    : QGroupBox(tr("Recorded run"), parent)
{
    seedBox = ::seedBox(StartSeed);
    describeControl(seedBox, tr("Seed"), tr("The seed of the generator for a restart"));
    QLabel *seedLabel = new QLabel(tr("S&eed:"));
    seedLabel->setBuddy(seedBox);

    restartButton = panelButton(tr("Restart"), tr("New genomes drawn after seeding, the count back at 0, the history cleared: "
                                             "the same seed, landscape and parameters give the same run"));
    connect(restartButton, &QPushButton::clicked, this, &RecordControls::restart);
    clearButton = panelButton(tr("Clear"), tr("Forget the recorded generations and markers"));
    connect(clearButton, &QPushButton::clicked, this, &RecordControls::clearRequested);
    exportButton = panelButton(tr("Export CSV…"), tr("Every generation kept in full, as CSV"));
    connect(exportButton, &QPushButton::clicked, this, &RecordControls::exportRequested);
    imageButton = panelButton(tr("Save image…"), tr("A PNG of the charts with the caption line"));
    connect(imageButton, &QPushButton::clicked, this, &RecordControls::saveImageRequested);

    experimentButton = panelButton(tr("Experiment…"), tr("Many runs over seeds and parameter values, with hit rates (Ctrl+E)"));
    connect(experimentButton, &QPushButton::clicked, this, &RecordControls::experimentRequested);

    QGridLayout *layout = new QGridLayout(this);
    layout->addWidget(seedLabel, 0, 0);
    layout->addWidget(seedBox, 0, 1);
    layout->addWidget(restartButton, 0, 2);
    layout->addWidget(clearButton, 1, 0);
    layout->addWidget(exportButton, 1, 1);
    layout->addWidget(imageButton, 1, 2);
    layout->addWidget(experimentButton, 2, 0, 1, 3);
}

void RecordControls::setSeed(unsigned seed)
{
    seedBox->setValue(seed);
}

void RecordControls::restart()
{
    emit restartRequested(static_cast<unsigned>(seedBox->value()));
}

QList<QWidget *> RecordControls::tabOrder() const
{
    return {seedBox, restartButton, clearButton, exportButton, imageButton, experimentButton};
}
