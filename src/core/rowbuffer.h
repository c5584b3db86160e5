// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ROWBUFFER_H
#define ROWBUFFER_H

#include <cstddef>

// Where rows of text go.
class RowSink
{
public:
    virtual ~RowSink() = default;
    // False when the text could not be written, which ends the writing.
    virtual bool write(const char *text, std::size_t length) = 0;
};

// Collects whole rows and hands them to the sink in large pieces, so that a sink
// only ever sees whole rows. Each call is false once a write to the sink failed.
class RowBuffer
{
public:
    explicit RowBuffer(RowSink &sink) : sink(sink), end(buffer) {}
    RowBuffer(const RowBuffer &) = delete;
    RowBuffer &operator=(const RowBuffer &) = delete;

    bool write(const char *text, std::size_t length);
    // Rows of at most most bytes, written by writeRows(out), which returns their end.
    template <typename Write>
    bool add(std::size_t most, Write writeRows)
    {
        if (!makeRoom(most))
            return false;
        end = writeRows(end);
        return true;
    }
    bool flush();

private:
    static constexpr std::size_t Bytes = 1 << 16;

    bool makeRoom(std::size_t length) { return end + length <= buffer + Bytes || flush(); }

    RowSink &sink;
    char buffer[Bytes];
    char *end;
};

#endif
