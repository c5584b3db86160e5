// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for snapshot files: any bytes are refused or read into a state
// whose every value lies in range; a state that was read writes back to text that
// reads again to the same state.
#include "snapshot.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RunState state;
    QString error;
    if (!parseSnapshot(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), state, error)) {
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
    if (!parseSnapshot(snapshotText(state), again, error) || snapshotText(again) != snapshotText(state))
        std::abort();
    return 0;
}
