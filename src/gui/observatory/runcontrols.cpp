// SPDX-License-Identifier: GPL-3.0-or-later
#include "runcontrols.h"
#include "mainwindow.h"
#include "panelbutton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <cstdlib>

namespace {
// Fastest first; 0 is as fast as possible.
const int Paces[] = {0, 1000, 100, 50, 20, 10, 5, 2, 1};
}

RunControls::RunControls(MainWindow *window, QWidget *parent)
    : QGroupBox(tr("Run"), parent), window(window)
{
    runButton = panelButton(tr("Run"), tr("Run generation after generation (Space)"));
    stopButton = panelButton(tr("Stop"), tr("Stop the run (Space)"));
    stepButton = panelButton(tr("Step"), tr("Compute one generation (.)"));
    connect(runButton, &QPushButton::clicked, window, &MainWindow::slot_RunPreState);
    connect(stopButton, &QPushButton::clicked, window, &MainWindow::slot_StopState);
    connect(stepButton, &QPushButton::clicked, window, &MainWindow::slot_StepPreState);

    paceBox = new QComboBox;
    for (int pace : Paces) {
        paceBox->addItem(pace == 0 ? tr("As fast as possible") : tr("%Ln generation(s) per second", nullptr, pace), pace);
    }
    describeControl(paceBox, tr("Pace"), tr("How many generations \"Run\" computes per second"));
    connect(paceBox, &QComboBox::currentIndexChanged, this, &RunControls::applyPace);
    connect(paceBox, &QComboBox::activated, this, [this] { emit paceChosen(pace()); });
    QLabel *paceLabel = new QLabel(tr("&Pace:"));
    paceLabel->setBuddy(paceBox);

    QGridLayout *layout = new QGridLayout(this);
    layout->addWidget(runButton, 0, 0);
    layout->addWidget(stopButton, 0, 1);
    layout->addWidget(stepButton, 0, 2);
    layout->addWidget(paceLabel, 1, 0);
    layout->addWidget(paceBox, 1, 1, 1, 2);

    setPace(StartPace);
    applyPace();
}

int RunControls::pace() const
{
    return paceBox->currentData().toInt();
}

void RunControls::setPace(int generationsPerSecond)
{
    int nearest = 0;
    for (int index = 1; index < paceBox->count(); ++index) {
        if (std::abs(paceBox->itemData(index).toInt() - generationsPerSecond)
            < std::abs(paceBox->itemData(nearest).toInt() - generationsPerSecond))
            nearest = index;
    }
    paceBox->setCurrentIndex(generationsPerSecond <= 0 ? 0 : nearest);
}

void RunControls::toggleRun()
{
    (runButton->isEnabled() ? runButton : stopButton)->click();
}

void RunControls::step()
{
    stepButton->click();
}

// The button that takes over keeps the keyboard focus that the other one had.
void RunControls::setStopped(bool stopped)
{
    QPushButton *now = stopped ? runButton : stopButton;
    QPushButton *before = stopped ? stopButton : runButton;
    now->setEnabled(true);
    if (before->hasFocus())
        now->setFocus(Qt::OtherFocusReason);
    before->setEnabled(false);
}

QList<QWidget *> RunControls::tabOrder() const
{
    return {runButton, stopButton, stepButton, paceBox};
}

void RunControls::applyPace()
{
    emit paceChanged(pace());
}
