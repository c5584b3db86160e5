// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DESCRIBE_H
#define DESCRIBE_H

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// Gives widget new words for screen readers and tells them, only when the words
// differ: the same words again would send a reader back to their start.
void describeWidget(QWidget *widget, const QString &description);

#endif
