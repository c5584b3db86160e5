// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowbuffer.h"

#include <cstring>

bool RowBuffer::write(const char *text, std::size_t length)
{
    if (!makeRoom(length))
        return false;
    std::memcpy(end, text, length);
    end += length;
    return true;
}

bool RowBuffer::flush()
{
    const std::size_t length = static_cast<std::size_t>(end - buffer);
    end = buffer;
    return length == 0 || sink.write(buffer, length);
}
