// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PAINTCOUNTER_H
#define PAINTCOUNTER_H

#include <QEvent>
#include <QObject>

// Counts the paint events of the widgets it is installed on.
class PaintCounter : public QObject
{
public:
    long paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

#endif
