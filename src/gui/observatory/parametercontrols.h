// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PARAMETERCONTROLS_H
#define PARAMETERCONTROLS_H

#include <QGroupBox>

QT_BEGIN_NAMESPACE
class QLabel;
class QSpinBox;
QT_END_NAMESPACE
class MainWindow;
struct Parameter;

// The three parameters of the algorithm, following the main window's controls
// both ways: they set through its setters and show what its signals say.
class ParameterControls : public QGroupBox
{
    Q_OBJECT

public:
    explicit ParameterControls(MainWindow *window, QWidget *parent = nullptr);

    // What a mutation probability p means: the share 1/(100 - p) of children that mutate.
    static QString mutationShare(int probability);

    QList<QWidget *> tabOrder() const;

private:
    QSpinBox *addParameter(const Parameter &parameter, int value, QWidget *field = nullptr);

    QSpinBox *fitnessBox;
    QSpinBox *mutationBox;
    QSpinBox *biasBox;
    QLabel *mutationMeaning;
};

#endif
