// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FILEACTIONS_H
#define FILEACTIONS_H

#include <QList>
#include <QString>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QFont;
class QImage;
class QPixmap;
class QStatusBar;
class QWidget;
QT_END_NAMESPACE

// File dialogs that start in the folder last saved to or opened from, and the
// report of what a file action did. A folder is remembered only once an action
// in it succeeded.
namespace FileActions {
// A name to save to, with suffix added when it has none (and the overwrite asked
// about with it); empty when cancelled.
QString chooseSaveFile(QWidget *parent, const QString &title, const QString &name, const QString &filter,
                       const QString &suffix);
// A file to open; the first time from fallbackFolder.
QString chooseOpenFile(QWidget *parent, const QString &title, const QString &filter,
                       const QString &fallbackFolder = QString());
// The next chooseOpenFile() starts in the folder of path.
void rememberOpened(const QString &path);
// The path with ".suffix" added when it has no suffix.
QString withSuffix(const QString &path, const QString &suffix);
// A PNG of the image, written whole or not at all.
bool savePng(const QImage &image, const QString &path, QString &error);
// Lines of text above pictures stacked top to bottom, on the charts' background:
// a saved picture says what it shows.
QImage captioned(const QStringList &lines, const QFont &font, const QList<QPixmap> &pictures);

// Done: a message on the status bar, and the folder remembered for the next
// dialog. Not done: the error on the status bar and in a dialog.
void reportSave(QWidget *window, QStatusBar *status, const QString &path, bool done, const QString &message,
                const QString &error);
void reportOpen(QWidget *window, QStatusBar *status, const QString &path, bool done, const QString &message,
                const QString &error);
}

#endif
