// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BUTTONHOLD_H
#define BUTTONHOLD_H

#include <QtGlobal>

#include <functional>

QT_BEGIN_NAMESPACE
class QAbstractButton;
class QObject;
QT_END_NAMESPACE

// Calls started when the button goes down and ended after the click that lets it
// go, so that every click of one hold of an auto-repeating button comes between
// them. Follow a button after connecting its own click.
void followHold(QAbstractButton *button, QObject *context, const std::function<void()> &started,
                const std::function<void()> &ended);

#endif
