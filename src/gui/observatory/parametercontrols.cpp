// SPDX-License-Identifier: GPL-3.0-or-later
#include "parametercontrols.h"
#include "parametercaption.h"
#include "mainwindow.h"
#include "parameters.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>

namespace {
const int PercentFor = 100; // p out of 100
const double OneDecimalBelow = 10.0;
}

ParameterControls::ParameterControls(MainWindow *window, QWidget *parent)
    : QGroupBox(tr("Parameters"), parent)
{
    using namespace Parameters;
    setLayout(new QFormLayout);
    fitnessBox = addParameter(Fitness, window->fitnessMultiplier());
    fitnessBox->setToolTip(parameterMeaning(Fitness));

    mutationMeaning = new QLabel(tr("→ %1").arg(mutationShare(window->mutationProbability())));
    QWidget *mutationField = new QWidget;
    mutationBox = addParameter(Mutation, window->mutationProbability(), mutationField);
    QHBoxLayout *mutationLayout = new QHBoxLayout(mutationField);
    mutationLayout->setContentsMargins(QMargins());
    mutationLayout->addWidget(mutationBox);
    mutationLayout->addWidget(mutationMeaning, 1);
    mutationBox->setToolTip(parameterMeaning(Mutation));
    // Named by its words, which screen readers are told of as they change.
    mutationMeaning->setAccessibleDescription(tr("The share of children that mutate"));

    biasBox = addParameter(Bias, window->mutationBias());
    biasBox->setToolTip(parameterMeaning(Bias));
    for (QSpinBox *box : {fitnessBox, mutationBox, biasBox})
        box->setAccessibleDescription(box->toolTip());

    connect(fitnessBox, &QSpinBox::valueChanged, window, &MainWindow::setFitness);
    connect(window, &MainWindow::FitnessChanged, fitnessBox, &QSpinBox::setValue);
    connect(mutationBox, &QSpinBox::valueChanged, window, &MainWindow::setMuteProb);
    connect(window, &MainWindow::MuteProbChanged, mutationBox, &QSpinBox::setValue);
    connect(biasBox, &QSpinBox::valueChanged, window, &MainWindow::setMuteBias);
    connect(window, &MainWindow::MuteBiasChanged, biasBox, &QSpinBox::setValue);
    connect(mutationBox, &QSpinBox::valueChanged, this,
            [this](int probability) { mutationMeaning->setText(tr("→ %1").arg(mutationShare(probability))); });
}

QString ParameterControls::mutationShare(int probability)
{
    if (probability <= 0)
        return tr("none");
    const double percent = double(PercentFor) / (PercentFor - probability);
    return tr("%1 % of children").arg(QLocale().toString(percent, 'f', percent < OneDecimalBelow ? 1 : 0));
}


QList<QWidget *> ParameterControls::tabOrder() const
{
    return {fitnessBox, mutationBox, biasBox};
}

// The control takes the values a main window's control offers.
QSpinBox *ParameterControls::addParameter(const Parameter &parameter, int value, QWidget *field)
{
    QSpinBox *box = new QSpinBox;
    box->setRange(parameter.min, parameter.offered);
    box->setValue(value);
    box->setKeyboardTracking(false); // a typed number counts once it is complete
    box->setAccessibleName(parameterCaption(parameter));
    QLabel *label = new QLabel(parameterCaption(parameter) + tr(":"));
    label->setBuddy(box);
    static_cast<QFormLayout *>(layout())->addRow(label, field ? field : box);
    return box;
}
