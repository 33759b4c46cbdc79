#ifndef FCLINK_FRAMEASSEMBLER_H
#define FCLINK_FRAMEASSEMBLER_H

#include "fclink/fclink_global.h"
#include "frame.h"

#include <cstddef>
#include <functional>

namespace fclink {

// Cuts 64-byte frames out of a serial byte stream. It hunts for the two start bytes (a repeated
// first start byte is tolerated), then takes the next 62 bytes as the rest of the frame without
// looking for start bytes inside it, so a frame cut short is completed by the next one and then
// fails its checksum. Frames with a bad checksum are dropped and counted; a partly assembled
// frame is kept between calls, so a frame may arrive in any number of pieces.
class FCLINK_EXPORT FrameAssembler
{
public:
    enum State : quint16
    {
        WaitingForStart0 = 0,
        SawStart0 = 1,
        InsideFrame = 2
    };
    using FrameHandler = std::function<void(const quint8 *frame)>;

    FrameAssembler(quint8 start0, quint8 start1);

    // Feeds bytes; onFrame is called once for each complete frame whose checksum is valid.
    void feed(const quint8 *data, std::size_t length, const FrameHandler &onFrame);

    State state() const { return m_state; }
    quint16 writeIndex() const { return m_writeIndex; }
    const quint8 *lastFrame() const { return m_buffer; }
    quint64 framesAccepted() const { return m_accepted; }
    quint64 framesRejected() const { return m_rejected; }

private:
    void completeFrame(const FrameHandler &onFrame);

    const quint8 m_start0;
    const quint8 m_start1;
    State m_state = WaitingForStart0;
    quint16 m_writeIndex = 2;
    quint8 m_buffer[kFrameSize] = {};
    quint64 m_accepted = 0;
    quint64 m_rejected = 0;
};

} // namespace fclink

#endif // FCLINK_FRAMEASSEMBLER_H
