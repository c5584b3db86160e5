// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ACCESSIBLENUMBER_H
#define ACCESSIBLENUMBER_H

#include <QAccessibleWidget>

QT_BEGIN_NAMESPACE
class QLCDNumber;
QT_END_NAMESPACE

// A number display as a screen reader reads it: its accessible name (a label's
// words, not the number) and the number it shows as its value and its text.
class AccessibleNumber : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleNumber(QLCDNumber *display);

    // Makes every QLCDNumber of the program read this way.
    static void install();

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // The number as read-only text.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QString shown() const;
};

#endif
