// SPDX-License-Identifier: GPL-3.0-or-later
#include "runstatefollower.h"
#include "mainwindow.h"

#include <QEvent>
#include <QPushButton>

RunStateFollower::RunStateFollower(MainWindow *window, QObject *parent)
    : QObject(parent), runButton(mainWindowButton(window, QStringLiteral("Run")))
{
    Q_ASSERT(runButton);
    stopped = runButton->isEnabledTo(window);
    runButton->installEventFilter(this);
}

bool RunStateFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == runButton && event->type() == QEvent::EnabledChange) {
        const bool now = runButton->isEnabledTo(runButton->window());
        if (now != stopped) {
            stopped = now;
            emit stoppedChanged(stopped);
        }
    }
    return false;
}

QPushButton *mainWindowButton(const MainWindow *window, const QString &text)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}
