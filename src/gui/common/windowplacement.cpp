// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {
const int WindowGap = 8;
const int FrameWatchMilliseconds = 20;
const int FrameWatchTries = 250; // five seconds
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
        if (!window->restoreGeometry(remembered)) {
            placeBeside();
        } else if (!window->isMaximized() && !window->isFullScreen()) {
            // A screen since made smaller or taken away leaves it where it cannot be seen.
            const QMargins frame = frameMargins();
            const QScreen *screen = QGuiApplication::screenAt(window->geometry().center());
            const QRect room = (screen ? screen : window->screen())->availableGeometry();
            window->setGeometry(fitted(window->geometry() + frame, room) - frame);
            frameRoom = room;
        }
    }
    window->show();
    keepOnScreen();
    window->raise();
    window->activateWindow();
}

// Not every window manager's frame arrives with an event to the window: it is
// asked for a few times a frame while the window is shown, for a few seconds.
void WindowPlacement::placeFrame(const QPoint &point)
{
    frameTarget = point;
    frameTargetPending = true;
    if (!frameWatch) {
        frameWatch = new QTimer(this);
        frameWatch->setInterval(FrameWatchMilliseconds);
        connect(frameWatch, &QTimer::timeout, this, [this] {
            moveFrameWhenFramed();
            if (!frameTargetPending || ++frameWatchTries >= FrameWatchTries)
                frameWatch->stop();
        });
    }
    if (window->isVisible())
        frameWatch->start();
}

void WindowPlacement::moveFrameWhenFramed()
{
    if (!frameTargetPending || !window->isVisible() || window->frameGeometry() == window->geometry())
        return;
    frameTargetPending = false;
    window->move(frameTarget);
}

QRect WindowPlacement::fitted(const QRect &frame, const QRect &room)
{
    QRect fit(frame.topLeft(), frame.size().boundedTo(room.size()));
    fit.moveLeft(std::clamp(fit.left(), room.left(), room.right() + 1 - fit.width()));
    fit.moveTop(std::clamp(fit.top(), room.top(), room.bottom() + 1 - fit.height()));
    return fit;
}

// The other window's frame stands for this one's until it has its own.
QMargins WindowPlacement::frameMargins() const
{
    const QWidget *framed = window->frameGeometry() != window->geometry() || !beside ? window : beside;
    const QRect outer = framed->frameGeometry();
    const QRect inner = framed->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
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
    if (!beside)
        return;
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

// Grown past its screen, by a zoom or a larger font, it comes back within it.
void WindowPlacement::keepOnScreen()
{
    if (!window->isVisible() || window->isMaximized() || window->isFullScreen())
        return;
    const QRect frame = window->frameGeometry();
    const QRect fit = fitted(frame, window->screen()->availableGeometry());
    if (fit == frame)
        return;
    window->resize(window->size() - (frame.size() - fit.size()));
    window->move(fit.topLeft());
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window)
        return QObject::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize)
        keepFrameInRoom();
    if (beside && type == QEvent::Resize)
        keepOnScreen();
    if (frameTargetPending && type == QEvent::Show && frameWatch) {
        frameWatchTries = 0;
        frameWatch->start();
    }
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate)
        moveFrameWhenFramed();
    return QObject::eventFilter(watched, event);
}
