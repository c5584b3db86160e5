// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include <QSettings>

namespace {
const char Organization[] = "vezo-vizoziv";
const char Application[] = "vezo-vizoziv";
const char PaceKey[] = "observatory/pace";
const char ObservatoryZoomKey[] = "observatory/zoom";
const char ExperimentZoomKey[] = "experiment/zoom";
const char GeometryKey[] = "observatory/geometry";
const char SplitKey[] = "observatory/split";
const char SaveFolderKey[] = "files/saveFolder";
const char OpenFolderKey[] = "files/openFolder";

QVariant value(const char *key, const QVariant &otherwise = QVariant())
{
    return QSettings(Organization, Application).value(key, otherwise);
}

void setValue(const char *key, const QVariant &value)
{
    QSettings(Organization, Application).setValue(key, value);
}
}

int Preferences::pace(int otherwise)
{
    return value(PaceKey, otherwise).toInt();
}

void Preferences::setPace(int generationsPerSecond)
{
    setValue(PaceKey, generationsPerSecond);
}

int Preferences::observatoryZoom(int otherwise)
{
    return value(ObservatoryZoomKey, otherwise).toInt();
}

void Preferences::setObservatoryZoom(int percent)
{
    setValue(ObservatoryZoomKey, percent);
}

int Preferences::experimentZoom(int otherwise)
{
    return value(ExperimentZoomKey, otherwise).toInt();
}

void Preferences::setExperimentZoom(int percent)
{
    setValue(ExperimentZoomKey, percent);
}

QByteArray Preferences::observatoryGeometry()
{
    return value(GeometryKey).toByteArray();
}

void Preferences::setObservatoryGeometry(const QByteArray &geometry)
{
    setValue(GeometryKey, geometry);
}

QByteArray Preferences::observatorySplit()
{
    return value(SplitKey).toByteArray();
}

void Preferences::setObservatorySplit(const QByteArray &split)
{
    setValue(SplitKey, split);
}

QString Preferences::saveFolder()
{
    return value(SaveFolderKey).toString();
}

void Preferences::setSaveFolder(const QString &folder)
{
    setValue(SaveFolderKey, folder);
}

QString Preferences::openFolder(const QString &otherwise)
{
    return value(OpenFolderKey, otherwise).toString();
}

void Preferences::setOpenFolder(const QString &folder)
{
    setValue(OpenFolderKey, folder);
}
