// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttonhold.h"

#include <QAbstractButton>
#include <QPointer>

#include <memory>

// An auto-repeating button goes up, clicks and goes down again at each repeat while
// it stays held: only a click with the button up ends the hold. Let go away from the
// button, it makes no click; the hold then ends once the events of the moment are through.
void followHold(QAbstractButton *button, QObject *context, const std::function<void()> &started,
                const std::function<void()> &ended)
{
    const auto holding = std::make_shared<bool>(false);
    const QPointer<QAbstractButton> held(button);
    const auto end = [held, holding, ended] {
        if (*holding && held && !held->isDown()) {
            *holding = false;
            ended();
        }
    };
    QObject::connect(button, &QAbstractButton::pressed, context, [holding, started] {
        if (!*holding) {
            *holding = true;
            started();
        }
    });
    QObject::connect(button, &QAbstractButton::clicked, context, end);
    QObject::connect(button, &QAbstractButton::released, context,
                     [context, end] { QMetaObject::invokeMethod(context, end, Qt::QueuedConnection); });
}
