// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PANELBUTTON_H
#define PANELBUTTON_H

#include <QString>

QT_BEGIN_NAMESPACE
class QDoubleSpinBox;
class QPushButton;
class QWidget;
QT_END_NAMESPACE

// A button of the observatory's panels: its tip is also what it says to a screen
// reader, and a click leaves the keyboard focus where it was, so that Space goes
// on starting and stopping the run.
QPushButton *panelButton(const QString &text, const QString &tip);

// The same for any other control of the panels.
void describeControl(QWidget *control, const QString &name, const QString &tip);

// A box for a seed, 0 to 4294967295: more than a QSpinBox holds.
QDoubleSpinBox *seedBox(unsigned seed);

#endif
