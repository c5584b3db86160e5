// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapecontrols.h"
#include "buttonhold.h"
#include "mainwindow.h"
#include "panelbutton.h"
#include "timings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>


LandscapeControls::LandscapeControls(MainWindow *window, QWidget *parent)
    : QGroupBox(tr("Landscape and genomes"), parent)
{
    selector = new QComboBox;
    selector->addItems(window->landscapeNames());
    selector->setPlaceholderText(tr("Choose a landscape"));
    selector->setCurrentIndex(-1);
    describeControl(selector, tr("Landscape"), tr("Load one of the landscapes that come with the program (stopped only)"));
    connect(selector, &QComboBox::activated, this, [this](int item) { emit loadRequested(selector->itemText(item)); });

    openButton = panelButton(tr("Open…"), tr("Load a landscape file from any folder (Ctrl+O, stopped only)"));
    connect(openButton, &QPushButton::clicked, this, &LandscapeControls::openRequested);
    reloadButton = panelButton(tr("Reload"), tr("Restore the reference landscape: the start-up tent, or what an opened snapshot brought"));
    connect(reloadButton, &QPushButton::clicked, window, &MainWindow::slot_Reload);
    newGenesButton = panelButton(tr("New Genes"), tr("Draw ten new random genomes (stopped only)"));
    connect(newGenesButton, &QPushButton::clicked, window, &MainWindow::slot_NewGenes);

    const struct
    {
        QString text;
        QString tip;
        void (MainWindow::*slot)();
    } shifts[] = {
        {tr("Left"), tr("Rotate the landscape one place left; hold to repeat"), &MainWindow::slot_LShift},
        {tr("Right"), tr("Rotate the landscape one place right; hold to repeat"), &MainWindow::slot_RShift},
        {tr("Up"), tr("Raise every value by one; hold to repeat"), &MainWindow::slot_UShift},
        {tr("Down"), tr("Lower every value by one, not below 1; hold to repeat"), &MainWindow::slot_DShift},
    };
    QGridLayout *layout = new QGridLayout(this);
    layout->addWidget(selector, 0, 0, 1, 3);
    layout->addWidget(openButton, 0, 3);
    layout->addWidget(reloadButton, 1, 0, 1, 2);
    layout->addWidget(newGenesButton, 1, 2, 1, 2);
    layout->addWidget(new QLabel(tr("Shift:")), 2, 0, 1, 4);
    for (const auto &shift : shifts) {
        QPushButton *shiftButton = panelButton(shift.text, shift.tip);
        shiftButton->setAccessibleName(tr("Shift %1").arg(shift.text));
        shiftButton->setAutoRepeat(true);
        shiftButton->setAutoRepeatInterval(ShiftRepeatMilliseconds);
        connect(shiftButton, &QPushButton::clicked, window, shift.slot);
        followHold(shiftButton, this, [this] { emit holdStarted(); }, [this] { emit holdEnded(); });
        layout->addWidget(shiftButton, 3, static_cast<int>(shiftButtons.size()));
        shiftButtons << shiftButton;
    }
}

void LandscapeControls::setStopped(bool stopped)
{
    for (QWidget *widget : {static_cast<QWidget *>(selector), static_cast<QWidget *>(openButton),
                            static_cast<QWidget *>(newGenesButton)})
        widget->setEnabled(stopped);
}

void LandscapeControls::showName(const QString &name)
{
    selector->setCurrentIndex(selector->findText(name));
}

QList<QWidget *> LandscapeControls::tabOrder() const
{
    QList<QWidget *> order{selector, openButton, reloadButton, newGenesButton};
    for (QPushButton *button : shiftButtons)
        order << button;
    return order;
}
