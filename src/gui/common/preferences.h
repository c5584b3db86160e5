// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PREFERENCES_H
#define PREFERENCES_H

#include <QByteArray>
#include <QString>

// What the windows remember between starts, each under a key of its own.
class Preferences
{
public:
    // Generations per second for "Run" while the observatory is shown, 0 as fast as possible.
    static int pace(int otherwise);
    static void setPace(int generationsPerSecond);
    // Percent.
    static int observatoryZoom(int otherwise);
    static void setObservatoryZoom(int percent);
    static int experimentZoom(int otherwise);
    static void setExperimentZoom(int percent);
    static QByteArray observatoryGeometry();
    static void setObservatoryGeometry(const QByteArray &geometry);
    static QByteArray observatorySplit();
    static void setObservatorySplit(const QByteArray &split);
    // The folders last saved to and opened from.
    static QString saveFolder();
    static void setSaveFolder(const QString &folder);
    static QString openFolder(const QString &otherwise);
    static void setOpenFolder(const QString &folder);
};

#endif
