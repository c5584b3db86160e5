// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"
#include "message.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace {
const char Program[] = "vezo-vizoziv";
const char English[] = "en";

std::string translateMessage(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text).toStdString();
}
}

Languages::Languages(const QString &folder)
{
    const QLocale locale;
    if (program.load(locale, Program, "_", folder) || program.load(QString(Program) + "_" + English, folder))
        QCoreApplication::installTranslator(&program);
    // Qt's own texts (its dialogs' buttons) in the same language.
    if (qt.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    setMessageTranslator(translateMessage);
}

Languages::~Languages()
{
    setMessageTranslator(nullptr);
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&program);
}

QString Languages::folder()
{
    const QString beside = QCoreApplication::applicationDirPath() + "/translations";
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/vezo-vizoziv/translations");
}
