// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileactions.h"
#include "preferences.h"
#include "timings.h"
#include "safefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStatusBar>

namespace {
const int PictureMargin = 4; // around the caption of a saved picture

// The context of this file's messages.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FileActions)
};

void report(QWidget *window, QStatusBar *status, void (*rememberFolder)(const QString &), const QString &path,
            bool done, const QString &message, const QString &error)
{
    if (done) {
        rememberFolder(QFileInfo(path).absolutePath());
        status->showMessage(message, StatusMilliseconds);
        return;
    }
    status->showMessage(error);
    QMessageBox::warning(window, window->windowTitle(), error);
}
}

QString FileActions::chooseSaveFile(QWidget *parent, const QString &title, const QString &name, const QString &filter,
                                    const QString &suffix)
{
    QFileDialog dialog(parent, title, Preferences::saveFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(suffix.isEmpty() ? name : withSuffix(name, suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString path = dialog.selectedFiles().constFirst();
    return suffix.isEmpty() ? path : withSuffix(path, suffix);
}

QString FileActions::chooseOpenFile(QWidget *parent, const QString &title, const QString &filter,
                                    const QString &fallbackFolder)
{
    return QFileDialog::getOpenFileName(parent, title, Preferences::openFolder(fallbackFolder), filter);
}

void FileActions::rememberOpened(const QString &path)
{
    Preferences::setOpenFolder(QFileInfo(path).absolutePath());
}

QString FileActions::withSuffix(const QString &path, const QString &suffix)
{
    const QFileInfo file(path);
    return file.suffix().isEmpty() && !file.isDir() ? path + "." + suffix : path;
}

bool FileActions::savePng(const QImage &image, const QString &path, QString &error)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        error = Texts::tr("the picture could not be made");
        return false;
    }
    return writeWholeFile(QFile::encodeName(path), png, error);
}

QImage FileActions::captioned(const QStringList &lines, const QFont &font, const QList<QPixmap> &pictures)
{
    int width = 0;
    int height = 0;
    for (const QPixmap &picture : pictures) {
        width = std::max(width, picture.deviceIndependentSize().toSize().width());
        height += picture.deviceIndependentSize().toSize().height();
    }
    const QFontMetrics metrics(font);
    const int captionHeight = static_cast<int>(lines.size()) * metrics.height() + 2 * PictureMargin;
    const qreal ratio = pictures.isEmpty() ? 1.0 : pictures.constFirst().devicePixelRatio();
    QImage image(QSize(width, captionHeight + height) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    const QPalette palette; // the charts' background and text, as on screen
    image.fill(palette.color(QPalette::Base));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(QRect(PictureMargin, PictureMargin, width - 2 * PictureMargin, captionHeight - 2 * PictureMargin),
                     Qt::AlignLeft | Qt::AlignVCenter, lines.join('\n'));
    int top = captionHeight;
    for (const QPixmap &picture : pictures) {
        painter.drawPixmap(0, top, picture);
        top += picture.deviceIndependentSize().toSize().height();
    }
    return image;
}

void FileActions::reportSave(QWidget *window, QStatusBar *status, const QString &path, bool done,
                             const QString &message, const QString &error)
{
    report(window, status, &Preferences::setSaveFolder, path, done, message, Texts::tr("Nothing was written: %1").arg(error));
}

void FileActions::reportOpen(QWidget *window, QStatusBar *status, const QString &path, bool done,
                             const QString &message, const QString &error)
{
    report(window, status, &Preferences::setOpenFolder, path, done, message,
           Texts::tr("'%1' was not opened: %2").arg(QFileInfo(path).fileName(), error));
}
