// libFuzzer target for the receive path: arbitrary serial bytes through the frame assembler and
// every accepted frame through the reply decoder. The first input byte picks the starting request
// state; with its top bit set, every following 62-byte chunk is also sealed with a valid checksum
// and framed, so the decoder sees far more frames than random bytes alone would give it.
#include "fclink/link/frame.h"
#include "fclink/link/frameassembler.h"
#include "fclink/link/parameterslices.h"
#include "fclink/link/replydecoder.h"
#include "fclink/model/telemetry.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

using namespace fclink;

namespace {

struct Sink
{
    RequestState state;
    quint8 block[kParameterBlockSize] = {};
    qint16 rc[kRcChannelCount] = {};
    qint16 voltage = 0;
    double roll = 0, pitch = 0, heading = 0;
    DiagnosisInfo diagnosis = {};
};

void checkInvariants(const Sink &sink)
{
    // The head the link asks for next is always one the sequences or the application can choose.
    const quint8 h = sink.state.head;
    const bool known = h == 0 || (h >= 1 && h <= 14) || (h >= 129 && h <= 142) ||
                       (h >= 192 && h <= 196) || h == 77;
    if (!known)
        __builtin_trap();
    if (sink.state.missedReplies != 0 || !sink.state.connected)
        __builtin_trap();
}

std::vector<quint8> sealedFrames(const uint8_t *data, size_t size)
{
    std::vector<quint8> stream;
    quint8 frame[kFrameSize];
    for (size_t at = 0; at + 60 <= size; at += 60) {
        std::memset(frame, 0, sizeof frame);
        frame[0] = kReplyStart0;
        frame[1] = kReplyStart1;
        std::memcpy(frame + 2, data + at, 60);
        storeChecksum(frame);
        stream.insert(stream.end(), frame, frame + kFrameSize);
    }
    return stream;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    Sink sink;
    const quint8 mode = data[0];
    sink.state.head = (mode & 0x40) ? 77 : static_cast<quint8>(129 + (mode & 0x0F) % 14);
    sink.state.headRequested = mode & 0x20;
    sink.state.command = mode & 0x1F;
    const TelemetryTargets targets{sink.rc,     &sink.voltage, &sink.roll,
                                   &sink.pitch, &sink.heading, &sink.diagnosis};

    FrameAssembler assembler(kReplyStart0, kReplyStart1);
    auto decode = [&](const quint8 *frame) {
        if (!checksumValid(frame))
            __builtin_trap(); // the assembler must only hand over checksum-valid frames
        decodeReply(frame, sink.state, sink.block, targets);
        checkInvariants(sink);
    };
    const std::vector<quint8> stream = (mode & 0x80) ? sealedFrames(data + 1, size - 1)
                                                     : std::vector<quint8>(data + 1, data + size);
    // Feed in two pieces so partial frames carried across calls are exercised too.
    const size_t split = stream.size() / 3;
    assembler.feed(stream.data(), split, decode);
    assembler.feed(stream.data() + split, stream.size() - split, decode);
    return 0;
}
