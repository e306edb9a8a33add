// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
// Arbitrary bytes as what the other copy of the game sent, in pieces whose sizes the first byte
// chooses. The reader must never read out of range nor hand out a message longer than the
// limit; every message it hands out is framed again to the bytes it came from, and a payload
// that decodes encodes again to itself.
#include "core/net/NetMessage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *promise)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_netmessage: broken: %s\n", promise);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::size_t piece = std::size_t(data[0]) + 1;
    const QByteArray stream(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    NetMessage::Reader reader;
    qsizetype consumed = 0;
    for (qsizetype at = 0; at < stream.size(); at += qsizetype(piece)) {
        reader.feed(stream.mid(at, qsizetype(piece)));
        while (const std::optional<NetMessage::Message> message = reader.next()) {
            require(message->payload.size() <= NetMessage::MaxPayload,
                    "a message within the limit");
            const QByteArray framed = NetMessage::frame(message->kind, message->payload);
            require(stream.mid(consumed, framed.size()) == framed, "a message framed as it came");
            consumed += framed.size();
            if (const auto over = NetMessage::readOver(message->payload))
                require(NetMessage::over(*over) == message->payload, "an over encodes to itself");
            if (const auto text = NetMessage::readText(message->payload))
                require(NetMessage::text(*text) == message->payload, "a text encodes to itself");
        }
    }
    require(reader.error().isEmpty() || !reader.next(), "nothing is read after an error");
    return 0;
}
