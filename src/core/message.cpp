// SPDX-License-Identifier: GPL-3.0-or-later
#include "message.h"

#include <vector>

namespace {
MessageTranslator installed = nullptr;
}

void setMessageTranslator(MessageTranslator translator)
{
    installed = translator;
}

std::string message(const char *context, const char *text, std::initializer_list<std::string> arguments)
{
    const std::string translated = installed ? installed(context, text) : std::string(text);
    const std::vector<std::string> values(arguments);
    std::string result;
    for (std::size_t at = 0; at < translated.size(); ++at) {
        const char next = at + 1 < translated.size() ? translated[at + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (translated[at] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            result += values[index];
            ++at;
        } else {
            result += translated[at];
        }
    }
    return result;
}
