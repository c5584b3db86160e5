// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for snapshot files: any bytes are refused or read into a state
// whose every value lies in range; a state that was read writes back to text that
// reads again to the same state, with the same lesson.
#include "snapshot.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RunState state;
    Lesson lesson;
    QString error;
    if (!parseSnapshot(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), state, lesson, error)) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    for (int genome : state.genomes) {
        if (genome < 0 || genome > LastGenome)
            std::abort();
    }
    if (state.generation < 0 || state.draws < 0 || state.settings.fitness < Parameters::Fitness.min
        || state.settings.fitness > Parameters::Fitness.max || state.settings.mutation > Parameters::Mutation.max
        || state.settings.bias > Parameters::Bias.max)
        std::abort();
    RunState again;
    Lesson lessonAgain;
    if (!parseSnapshot(snapshotText(state, lesson), again, lessonAgain, error)
        || snapshotText(again, lessonAgain) != snapshotText(state, lesson))
        std::abort();
    return 0;
}
