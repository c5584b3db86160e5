// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentform.h"
#include "experiment.h"
#include "countform.h"
#include "chartstyle.h"
#include "experimentresults.h"
#include "landscapename.h"
#include "panelbutton.h"
#include "parametercaption.h"

#include <QAccessible>
#include <QAction>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace {
const long long MostRuns = 1000000;   // kept in memory for the table; the command line takes more
const int MostSeeds = 100000;
const int MostGenerations = 1000000;
const int DefaultSeeds = 100;
const int DefaultGenerations = 200;
const int FormWidth = 360;

// The values worth trying first.
QString defaultValues(const Parameter &parameter)
{
    return QString::fromLatin1(parameter.experimentValues);
}

void markInvalid(QWidget *widget, QPalette::ColorRole role, bool invalid)
{
    QPalette palette = widget->palette();
    const QPalette plain;
    palette.setColor(role, invalid ? Chart::Colours::of(plain, role == QPalette::WindowText).error : plain.color(role));
    widget->setPalette(palette);
}

// A button that triggers the action and is enabled with it.
QPushButton *actionButton(QAction *action, const QString &text)
{
    QPushButton *button = new QPushButton(text);
    button->setAccessibleDescription(action->toolTip());
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    return button;
}
}

ExperimentForm::ExperimentForm(const Actions &actions, QWidget *parent)
    : QGroupBox(tr("Experiment"), parent)
{
    std::fill(landscape, landscape + LandscapeSize, 0);
    landscapeLabel = new QLabel;
    landscapeLabel->setWordWrap(true);
    firstParameter = new QComboBox;
    secondParameter = new QComboBox;
    secondParameter->addItem(tr("(none)"));
    for (const Parameter *parameter : Parameters::All) {
        firstParameter->addItem(parameterCaption(*parameter));
        secondParameter->addItem(parameterCaption(*parameter));
    }
    firstParameter->setAccessibleName(tr("Parameter to vary"));
    secondParameter->setAccessibleName(tr("Second parameter to vary"));
    firstParameter->setAccessibleDescription(tr("The parameter whose values the runs take in turn"));
    secondParameter->setAccessibleDescription(tr("A second parameter, for a heat map of every pair of values"));
    // Their lists too, as a screen reader meets them when they open.
    for (QComboBox *box : {firstParameter, secondParameter})
        box->view()->setAccessibleName(box->accessibleName());
    firstValues = new QLineEdit;
    secondValues = new QLineEdit;
    firstValues->setAccessibleName(tr("Values of the parameter to vary"));
    secondValues->setAccessibleName(tr("Values of the second parameter"));
    for (QLineEdit *edit : {firstValues, secondValues})
        edit->setPlaceholderText(tr("values, e.g. 0,1,10"));
    fixedLabel = new QLabel;
    fixedLabel->setWordWrap(true);

    firstSeedBox = seedBox(1);
    firstSeedBox->setAccessibleName(tr("First seed"));
    seedCountBox = new QSpinBox;
    seedCountBox->setRange(1, MostSeeds);
    seedCountBox->setValue(DefaultSeeds);
    seedCountBox->setAccessibleName(tr("Number of seeds"));
    generationsBox = new QSpinBox;
    generationsBox->setRange(0, MostGenerations);
    generationsBox->setValue(DefaultGenerations);
    generationsBox->setAccessibleName(tr("Generations per run"));
    targetBox = new QSpinBox;
    targetBox->setRange(INT_MIN, INT_MAX);
    targetBox->setAccessibleName(tr("Target fitness"));
    targetBox->setToolTip(tr("A run hits when its best member's fitness reaches this value."));
    highestButton = new QPushButton(tr("Highest"));
    highestButton->setToolTip(tr("The landscape's highest value"));

    progressBar = new QProgressBar;
    progressBar->setAccessibleName(tr("Progress"));
    showProgress(0, 0);
    messageLabel = new QLabel;
    messageLabel->setWordWrap(true);
    // Named by its words, which screen readers are told of as they change.
    messageLabel->setAccessibleDescription(tr("What the experiment will run, or why it cannot"));

    QHBoxLayout *runButtons = new QHBoxLayout;
    runButtons->addWidget(actionButton(actions.start, tr("Start")));
    runButtons->addWidget(actionButton(actions.cancel, tr("Cancel")));
    QHBoxLayout *fileButtons = new QHBoxLayout;
    fileButtons->addWidget(actionButton(actions.exportCsv, tr("Export CSV...")));
    fileButtons->addWidget(actionButton(actions.saveImage, tr("Save image...")));

    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->addLayout(rows());
    layout->addLayout(runButtons);
    layout->addWidget(progressBar);
    layout->addWidget(messageLabel);
    layout->addStretch(1);
    layout->addLayout(fileButtons);
    setFixedWidth(FormWidth);

    connect(firstParameter, &QComboBox::currentIndexChanged, this, [this](int index) {
        firstValues->setText(defaultValues(*Parameters::All[index]));
    });
    connect(secondParameter, &QComboBox::currentIndexChanged, this, [this](int index) {
        secondValues->setText(index > 0 ? defaultValues(*Parameters::All[index - 1]) : QString());
        secondValues->setEnabled(index > 0);
    });
    for (QLineEdit *edit : {firstValues, secondValues}) {
        connect(edit, &QLineEdit::textChanged, this, &ExperimentForm::validate);
        connect(edit, &QLineEdit::returnPressed, actions.start, &QAction::trigger);
    }
    connect(firstSeedBox, &QDoubleSpinBox::valueChanged, this, &ExperimentForm::validate);
    for (QSpinBox *box : {seedCountBox, generationsBox, targetBox})
        connect(box, &QSpinBox::valueChanged, this, &ExperimentForm::validate);
    connect(highestButton, &QPushButton::clicked, this, [this] { targetBox->setValue(highestValue(landscape)); });

    firstParameter->setCurrentIndex(static_cast<int>(std::find(std::begin(Parameters::All), std::end(Parameters::All),
                                                               &Parameters::Bias)
                                                     - std::begin(Parameters::All)));
    firstValues->setText(defaultValues(Parameters::Bias));
    secondValues->setEnabled(false);
}

QFormLayout *ExperimentForm::rows()
{
    QFormLayout *form = new QFormLayout;
    const auto addRow = [form](const QString &text, QWidget *buddy, QWidget *first, QWidget *second = nullptr,
                               QWidget *third = nullptr) {
        QLabel *label = new QLabel(text);
        label->setBuddy(buddy);
        QHBoxLayout *row = new QHBoxLayout;
        for (QWidget *field : {first, second, third}) {
            if (field)
                row->addWidget(field, qobject_cast<QLineEdit *>(field) || qobject_cast<QSpinBox *>(field) ? 1 : 0);
        }
        form->addRow(label, row);
    };
    form->addRow(tr("Landscape:"), landscapeLabel);
    addRow(tr("&Vary:"), firstParameter, firstParameter, firstValues);
    addRow(tr("&And:"), secondParameter, secondParameter, secondValues);
    form->addRow(tr("Others:"), fixedLabel);
    firstSeedBox->setAccessibleDescription(tr("The seed of each value's first run; the next runs take the seeds after it"));
    seedCountBox->setAccessibleDescription(tr("How many runs, each with its own seed, every value or pair of values gets"));
    generationsBox->setAccessibleDescription(tr("How many generations every run computes"));
    QLabel *countLabel = new QLabel(tr("count"));
    countLabel->setBuddy(seedCountBox);
    addRow(tr("&Seeds from:"), firstSeedBox, firstSeedBox, countLabel, seedCountBox);
    addRow(tr("&Generations:"), generationsBox, generationsBox);
    addRow(tr("&Target:"), targetBox, targetBox, highestButton);
    return form;
}

void ExperimentForm::setStart(const int *landscape, const QString &landscapeName, const Settings &settings)
{
    if (!std::equal(landscape, landscape + LandscapeSize, this->landscape))
        targetBox->setValue(highestValue(landscape));
    std::copy(landscape, landscape + LandscapeSize, this->landscape);
    name = landscapeName;
    base = settings;
    landscapeLabel->setText(tr("%1 (highest value %2)").arg(LandscapeName::shown(landscapeName)).arg(highestValue(landscape)));
    validate();
}

void ExperimentForm::setPlan(const Variation &variation, long long seeds, long long generations, int target)
{
    const auto found = std::find(std::begin(Parameters::All), std::end(Parameters::All), variation.parameter);
    firstParameter->setCurrentIndex(static_cast<int>(found - std::begin(Parameters::All)));
    QStringList values;
    for (int value : variation.values)
        values << QString::number(value);
    firstValues->setText(values.join(','));
    secondParameter->setCurrentIndex(0);
    firstSeedBox->setValue(1);
    seedCountBox->setValue(static_cast<int>(seeds));
    generationsBox->setValue(static_cast<int>(generations));
    targetBox->setValue(target);
}

bool ExperimentForm::readPlan(ExperimentPlan &plan, QString &error)
{
    std::copy(landscape, landscape + LandscapeSize, plan.landscape);
    plan.base = base;
    std::string reason;
    const std::pair<int, QLineEdit *> chosen[] = {{firstParameter->currentIndex(), firstValues},
                                                  {secondParameter->currentIndex() - 1, secondValues}};
    for (const auto &[index, edit] : chosen) {
        Variation variation;
        const bool valid = index < 0 || parseValues(*Parameters::All[index], edit->text().toStdString(), variation, reason);
        markInvalid(edit, QPalette::Text, !valid);
        if (!valid && error.isEmpty())
            error = QString::fromStdString(reason);
        if (valid && index >= 0)
            plan.variations.push_back(variation);
    }
    if (!error.isEmpty())
        return false;
    plan.firstSeed = static_cast<unsigned>(firstSeedBox->value());
    plan.seeds = seedCountBox->value();
    plan.generations = generationsBox->value();
    plan.target = targetBox->value();
    if (!plan.check(reason)) {
        error = QString::fromStdString(reason);
        return false;
    }
    if (plan.totalRuns() > MostRuns) {
        error = tr("%L1 runs are more than the %L2 this window holds; the command line takes any number")
                    .arg(plan.totalRuns()).arg(MostRuns);
        return false;
    }
    return true;
}

void ExperimentForm::validate()
{
    ExperimentPlan plan;
    QString error;
    planValid = readPlan(plan, error);
    markInvalid(messageLabel, QPalette::WindowText, !planValid);
    const QString message = planValid ? tr("%1 of %2 generation(s), target %L3", nullptr, countForm(plan.generations))
                                            .arg(runsText(plan.totalRuns()))
                                            .arg(QLocale().toString(plan.generations))
                                            .arg(plan.targetValue())
                                      : error;
    // A new error is an alert to a screen reader; the field being typed in keeps the focus.
    if (!planValid && message != messageLabel->text()) {
        messageLabel->setText(message);
        QAccessibleEvent alert(messageLabel, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    messageLabel->setText(message);
    // The parameters chosen, even while their values are refused.
    QList<const Parameter *> varied{Parameters::All[firstParameter->currentIndex()]};
    if (secondParameter->currentIndex() > 0)
        varied << Parameters::All[secondParameter->currentIndex() - 1];
    const QString fixed = fixedCaption(varied, base);
    fixedLabel->setText(fixed.isEmpty() ? tr("none") : tr("%1, as in the main window").arg(fixed));
    emit planChanged(planValid);
}

void ExperimentForm::setRunning(bool running)
{
    for (QWidget *control : {static_cast<QWidget *>(firstParameter), static_cast<QWidget *>(firstValues),
                             static_cast<QWidget *>(secondParameter), static_cast<QWidget *>(firstSeedBox),
                             static_cast<QWidget *>(seedCountBox), static_cast<QWidget *>(generationsBox),
                             static_cast<QWidget *>(targetBox), static_cast<QWidget *>(highestButton)})
        control->setEnabled(!running);
    secondValues->setEnabled(!running && secondParameter->currentIndex() > 0);
}

void ExperimentForm::showProgress(long long done, long long total)
{
    progressBar->setRange(0, static_cast<int>(std::max(total, 1LL)));
    progressBar->setValue(static_cast<int>(done));
    progressBar->setTextVisible(total > 0);
    progressBar->setFormat(tr("%1 of %2").arg(QLocale().toString(done), runsText(total)));
}
