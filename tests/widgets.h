// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WIDGETS_H
#define WIDGETS_H

#include "lcdrange.h"

#include <QPushButton>
#include <QWidget>

inline QPushButton *button(const QWidget &window, const QString &text)
{
    for (QPushButton *candidate : window.findChildren<QPushButton *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

inline LCDRange *control(const QWidget &window, const QString &caption)
{
    for (LCDRange *candidate : window.findChildren<LCDRange *>()) {
        if (candidate->text() == caption)
            return candidate;
    }
    return nullptr;
}

#endif
