// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
// Arbitrary bytes as a stored match: the setup's bytes, then the overs as the store keeps them.
// Decoding and replay must refuse what they cannot play, never read out of range, and a log
// that replays must replay to itself.
#include "core/common/RandomSource.h"
#include "core/match/Match.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *promise)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_matchlog: broken: %s\n", promise);
        std::abort();
    }
}

// Input: a 2-byte length (low byte first), the setup's bytes, then per over its face, its
// number of draws and the draws.
bool readLog(const std::uint8_t *data, std::size_t size, MatchLog &log)
{
    if (size < 2)
        return false;
    const std::size_t setupSize = data[0] | std::size_t(data[1]) << 8;
    if (size - 2 < setupSize)
        return false;
    const QByteArrayView setup(reinterpret_cast<const char *>(data + 2), qsizetype(setupSize));
    if (!decodeSetup(setup, log.setup).isEmpty())
        return false;
    for (std::size_t at = 2 + setupSize; at + 2 <= size;) {
        const std::size_t count = data[at + 1];
        if (size - at - 2 < count)
            break;
        log.faces.push_back(data[at]);
        log.drawCounts.push_back(std::uint8_t(count));
        log.draws.insert(log.draws.end(), data + at + 2, data + at + 2 + count);
        at += 2 + count;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MatchLog log;
    if (!readLog(data, size, log))
        return 0;
    // Every over takes the same random source afterwards, which must not be asked during replay.
    static TimeSeededRandom afterwards;
    Match match;
    const QString error = match.replay(log, afterwards);
    if (error.isEmpty()) {
        require(match.log() == log, "a log that replays records itself again");
        require(match.currentInnings() >= 1 && match.currentInnings() <= 5,
                "a replayed match is in an innings or over");
    }
    return 0;
}
