#include "frameassembler.h"

namespace fclink {

FrameAssembler::FrameAssembler(quint8 start0, quint8 start1) : m_start0(start0), m_start1(start1) {}

void FrameAssembler::feed(const quint8 *data, std::size_t length, const FrameHandler &onFrame)
{
    for (std::size_t i = 0; i < length; ++i) {
        const quint8 byte = data[i];
        switch (m_state) {
        case WaitingForStart0:
            if (byte == m_start0)
                m_state = SawStart0;
            break;
        case SawStart0:
            if (byte == m_start1)
                m_state = InsideFrame;
            else if (byte != m_start0)
                m_state = WaitingForStart0;
            break;
        case InsideFrame:
            m_buffer[m_writeIndex++] = byte;
            if (m_writeIndex == kFrameSize)
                completeFrame(onFrame);
            break;
        }
    }
}

void FrameAssembler::completeFrame(const FrameHandler &onFrame)
{
    m_state = WaitingForStart0;
    m_writeIndex = 2;
    m_buffer[0] = m_start0;
    m_buffer[1] = m_start1;
    if (!checksumValid(m_buffer)) {
        ++m_rejected;
        return;
    }
    ++m_accepted;
    if (onFrame)
        onFrame(m_buffer);
}

} // namespace fclink
