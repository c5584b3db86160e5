// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANGUAGES_H
#define LANGUAGES_H

#include <QString>
#include <QTranslator>

// The program's texts and Qt's own in the desktop's language: the first of the
// user's languages (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) that has a
// translation, else English with its plural forms ("1 member", "2 members").
// Installed into the application that exists when it is made, removed with it;
// the algorithm's messages are translated through it too.
class Languages
{
public:
    // From the folder of the program's .qm files.
    explicit Languages(const QString &folder = Languages::folder());
    ~Languages();
    Languages(const Languages &) = delete;
    Languages &operator=(const Languages &) = delete;

    // Where the program's .qm files are: translations/ beside the program in the
    // build tree, share/vezo-vizoziv/translations of the prefix installed to.
    static QString folder();

private:
    QTranslator program;
    QTranslator qt;
};

#endif
