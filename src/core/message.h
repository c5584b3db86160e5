// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MESSAGE_H
#define MESSAGE_H

#include <initializer_list>
#include <string>

// The algorithm's messages (its refusals) are English in the sources, marked for
// Qt's lupdate with QT_TRANSLATE_NOOP; a program with translations sets a
// translator, through which message() passes each text before it puts the
// arguments in for %1, %2, ... (up to %9). The core itself needs no Qt for this.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x // as Qt defines it, so that both may meet
#endif

using MessageTranslator = std::string (*)(const char *context, const char *text);

// Set once, before any message is made; nullptr keeps the English texts.
void setMessageTranslator(MessageTranslator translator);

std::string message(const char *context, const char *text, std::initializer_list<std::string> arguments = {});

#endif
