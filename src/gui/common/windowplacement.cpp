// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {
const int WindowGap = 8;
}

WindowPlacement::WindowPlacement(QWidget *window, QWidget *beside)
    : QObject(window), window(window), beside(beside)
{
    window->installEventFilter(this);
}

void WindowPlacement::show(const QByteArray &remembered)
{
    if (!placed) {
        placed = true;
        if (!window->restoreGeometry(remembered))
            placeBeside();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowPlacement::centre(QWidget *window, const QWidget *over)
{
    const QRect room = over->screen()->availableGeometry();
    const QSize size = window->sizeHint();
    const QSize frame = over->frameGeometry().size() - over->geometry().size(); // as the other window is framed
    if (size.width() + frame.width() > room.width() || size.height() + frame.height() > room.height()) {
        window->setWindowState(Qt::WindowMaximized);
        return;
    }
    window->resize(size);
    window->move(room.center() - QPoint(size.width() / 2, size.height() / 2));
}

// The frame's place is known only once the window manager has framed the window:
// until then the other window's frame stands for it, and the first move or resize
// with a frame brings the whole of it into the room it was given.
void WindowPlacement::placeBeside()
{
    const QRect main = beside->frameGeometry();
    const QRect room = beside->screen()->availableGeometry();
    const QMargins frame(beside->geometry().left() - main.left(), beside->geometry().top() - main.top(),
                         main.right() - beside->geometry().right(), main.bottom() - beside->geometry().bottom());
    const QRect besideRoom(QPoint(main.right() + 1 + WindowGap, room.top()), room.bottomRight());
    if (besideRoom.width() - frame.left() - frame.right() < window->minimumSizeHint().width()
        || besideRoom.height() - frame.top() - frame.bottom() < window->minimumSizeHint().height()) {
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
        return;
    }
    window->move(besideRoom.topLeft());
    window->resize((besideRoom - frame).size());
    frameRoom = besideRoom;
}

void WindowPlacement::keepFrameInRoom()
{
    const QRect frame = window->frameGeometry();
    if (frameRoom.isNull() || frame == window->geometry())
        return;
    const QRect room = frameRoom;
    frameRoom = QRect();
    if (!room.contains(frame)) {
        window->resize(window->width() - std::max(0, frame.right() - room.right()),
                       window->height() - std::max(0, frame.bottom() - room.bottom()));
        window->move(room.topLeft());
    }
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        keepFrameInRoom();
    return QObject::eventFilter(watched, event);
}
