// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlcolumn.h"
#include "landscapecontrols.h"
#include "landscapepanel.h"
#include "landscapewatch.h"
#include "mainwindow.h"
#include "parametercontrols.h"
#include "recordcontrols.h"
#include "runcontrols.h"

#include <QScrollBar>

#include <algorithm>
#include <QVBoxLayout>

ControlColumn::ControlColumn(MainWindow *window, LandscapeChart *chart, LandscapeWatch *watch, QWidget *parent)
    : QScrollArea(parent)
{
    runControls = new RunControls(window);
    parameterControls = new ParameterControls(window);
    landscapeControls = new LandscapeControls(window);
    landscapePanel = new LandscapePanel(window, chart, watch, runControls);
    recordControls = new RecordControls;

    QWidget *panels = new QWidget;
    QVBoxLayout *layout = new QVBoxLayout(panels);
    layout->setContentsMargins(QMargins());
    for (QWidget *panel : {static_cast<QWidget *>(runControls), static_cast<QWidget *>(parameterControls),
                           static_cast<QWidget *>(landscapeControls), static_cast<QWidget *>(landscapePanel),
                           static_cast<QWidget *>(recordControls)})
        layout->addWidget(panel);
    layout->addStretch(1);

    setWidget(panels);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    fitWidth(QWIDGETSIZE_MAX);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    const RunEvents *events = window->runEvents();
    const auto followRunning = [this](bool running) {
        runControls->setStopped(!running);
        landscapeControls->setStopped(!running);
    };
    connect(events, &RunEvents::runningChanged, this, followRunning);
    followRunning(events->isRunning());
    connect(landscapeControls, &LandscapeControls::holdStarted, watch, &LandscapeWatch::beginGroup);
    connect(landscapeControls, &LandscapeControls::holdEnded, watch, &LandscapeWatch::endGroup);
    connect(watch, &LandscapeWatch::nameChanged, landscapeControls, &LandscapeControls::showName);
}

void ControlColumn::fitWidth(int most)
{
    const int whole = widget()->sizeHint().width() + verticalScrollBar()->sizeHint().width();
    setHorizontalScrollBarPolicy(whole > most ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setFixedWidth(std::min(whole, most));
}

QList<QWidget *> ControlColumn::tabOrder() const
{
    return runControls->tabOrder() + parameterControls->tabOrder() + landscapeControls->tabOrder()
           + landscapePanel->tabOrder() + recordControls->tabOrder();
}
