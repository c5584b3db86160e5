// SPDX-License-Identifier: GPL-3.0-or-later
#include "panelbutton.h"
#include "parameters.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>


QPushButton *panelButton(const QString &text, const QString &tip)
{
    QPushButton *button = new QPushButton(text);
    describeControl(button, text, tip);
    return button;
}

void describeControl(QWidget *control, const QString &name, const QString &tip)
{
    control->setToolTip(tip);
    control->setAccessibleName(name);
    control->setAccessibleDescription(tip);
    if (QComboBox *box = qobject_cast<QComboBox *>(control))
        box->view()->setAccessibleName(name); // the list as it opens
    // A click on a button leaves the focus where it was; a click into a field takes it there.
    if (qobject_cast<QAbstractButton *>(control))
        control->setFocusPolicy(Qt::TabFocus);
}

QDoubleSpinBox *seedBox(unsigned seed)
{
    QDoubleSpinBox *box = new QDoubleSpinBox;
    box->setDecimals(0);
    box->setRange(0, double(LargestSeed));
    box->setValue(seed);
    return box;
}
