// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorder.h"
#include "generationrecord.h"
#include "landscapereader.h"
#include "run.h"
#include "startstate.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::size_t ReadChunkBytes = 4096;
const std::size_t OutputBufferBytes = 1 << 16;

class Output
{
public:
    explicit Output(std::FILE *file) : file(file), end(buffer) {}

    void write(const char *text, std::size_t length)
    {
        if (end + length > buffer + sizeof buffer)
            flush();
        std::memcpy(end, text, length);
        end += length;
    }
    void write(const GenerationRecord &record)
    {
        if (end + CsvRowMaxLength > buffer + sizeof buffer)
            flush();
        end = writeCsvRow(end, record);
    }
    void flush()
    {
        std::fwrite(buffer, 1, static_cast<std::size_t>(end - buffer), file);
        end = buffer;
    }

private:
    std::FILE *file;
    char buffer[OutputBufferBytes];
    char *end;
};
}

bool loadLandscape(const std::string &path, int *landscape, std::string &reason)
{
    // Opened without blocking, so that a FIFO is refused rather than waited on.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    struct stat status;
    if (fd < 0 || fstat(fd, &status) != 0) {
        reason = std::strerror(errno);
        if (fd >= 0)
            close(fd);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        reason = S_ISDIR(status.st_mode) ? "is a folder" : "is not a regular file";
        close(fd);
        return false;
    }
    LandscapeReader reader(landscape);
    char chunk[ReadChunkBytes];
    ssize_t count;
    while ((count = read(fd, chunk, sizeof chunk)) > 0 && reader.read(chunk, static_cast<std::size_t>(count))) {
    }
    // What was read before an error stays, as it did when the window read the file itself.
    const bool failed = count < 0;
    if (failed)
        reason = std::strerror(errno);
    reader.finish();
    close(fd);
    return !failed;
}

int record(const RecorderSettings &settings, std::FILE *errors)
{
    int landscape[LandscapeSize];
    fillStartLandscape(landscape);
    std::string reason;
    if (!settings.landscape.empty() && !loadLandscape(settings.landscape, landscape, reason)) {
        std::fprintf(errors, "vezo-vizoziv: cannot read landscape '%s': %s\n", settings.landscape.c_str(), reason.c_str());
        return 1;
    }
    std::FILE *file = settings.csv.empty() ? stdout : std::fopen(settings.csv.c_str(), "w");
    if (!file) {
        std::fprintf(errors, "vezo-vizoziv: cannot write '%s': %s\n", settings.csv.c_str(), std::strerror(errno));
        return 1;
    }

    // The zero-total line goes to errors, apart from the rows.
    Run run(landscape, settings.parameters, settings.seed);
    run.setDiagnostics(errors);
    Output output(file);
    output.write(CsvHeader, std::strlen(CsvHeader));
    output.write(run.record());
    while (run.generation() < settings.generations) {
        run.step();
        if (run.generation() % settings.every == 0)
            output.write(run.record());
    }
    output.flush();

    bool written = std::fflush(file) == 0 && !std::ferror(file);
    const int writeError = errno;
    if (file != stdout)
        written &= std::fclose(file) == 0;
    if (!written) {
        std::fprintf(errors, "vezo-vizoziv: cannot write '%s': %s\n",
                     settings.csv.empty() ? "standard output" : settings.csv.c_str(), std::strerror(writeError));
        return 1;
    }
    return 0;
}
