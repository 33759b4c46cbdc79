#ifndef FCLINK_REPLYDECODER_H
#define FCLINK_REPLYDECODER_H

#include "fclink/fclink_global.h"
#include "fclink/model/telemetry.h"
#include "parameterslices.h"

#include <QStringList>

namespace fclink {

// Subframe heads the link sequences by itself.
namespace head {
constexpr quint8 None = 0;
constexpr quint8 FirstWrite = 1;
constexpr quint8 LastWrite = 14;
constexpr quint8 FirstRead = 129;
constexpr quint8 LastRead = 142;
constexpr quint8 RcChannels = 192;
constexpr quint8 Attitude = 193;
constexpr quint8 Voltage = 195;
constexpr quint8 Sensors = 196;
} // namespace head

// Command codes of request offset 4; a failed command comes back with bit 7 set.
namespace command {
constexpr quint8 None = 0;
constexpr quint8 WriteFlash = 2;
constexpr quint8 ReadParameters = 3;
constexpr quint8 CalibrateVoltage = 6;
constexpr quint8 TestBec = 7;
constexpr quint8 CalibrateRcNeutral = 8;
constexpr quint8 StartRcScale = 9;
constexpr quint8 StopRcScale = 10;
constexpr quint8 BindDsm = 11;
constexpr quint8 CalibrateAccelerometers = 12;
constexpr quint8 CalibrateGyros = 13;
// The firmware info (flash size, the whole firmware version), answered by a reply whose command
// result is this code; its payload is laid out as FirmwareUpgrade's applicationinfo.h says.
constexpr quint8 FirmwareInfo = 0xB0;
constexpr quint8 FailedBit = 0x80;
} // namespace command

// Status codes of Commrt::statusChangedText.
namespace status {
constexpr quint16 Cleared = 0;
constexpr quint16 OpenSucceeded = 1; // has a text, but the link never reports it
constexpr quint16 OpenFailed = 2;
constexpr quint16 ConnectionClosed = 3; // has a text, but the link never reports it
constexpr quint16 ParametersUploaded = 4;
constexpr quint16 Uploading = 5;
constexpr quint16 FlashSaved = 6;
constexpr quint16 FlashFailed = 7;
constexpr quint16 AccCalibrated = 8;
constexpr quint16 AccFailed = 9;
constexpr quint16 GyroCalibrated = 10;
constexpr quint16 GyroFailed = 11;
constexpr quint16 VoltageCalibrated = 12;
constexpr quint16 VoltageFailed = 13;
} // namespace status

// The status code a command result reports, or -1 for results that report nothing.
FCLINK_EXPORT int statusForCommandResult(quint8 result);

// The link's request state: what every request frame carries and how far the sequences are.
//
// A reply acts on the sequences only when it answers the request the link is making now: its
// head is the current head and, for a head just chosen, a frame carrying it has gone out since.
// Anything else is a late or repeated answer to an earlier request (slow lines answer after the
// next request has gone out, so every reply comes twice): it still shows that the controller is
// there, but it copies no slice, moves no head and reports no progress.
struct FCLINK_EXPORT RequestState
{
    quint8 command = command::None;
    quint8 head = head::None;
    // Set when a head is chosen from outside the sequences (the application's upload, a port
    // open, a time-out); holds the link's own sequencing back until that head is answered.
    bool headRequested = false;
    // Frames gone out since the head was last chosen. The answer to a chosen head only counts
    // once a frame carrying it has gone out, so a late reply to an earlier frame with the same
    // head cannot stand in for it (it would skip an edit made in between).
    quint32 framesSinceHeadChosen = 0;
    // Counts head choices, so a frame built before a choice is not taken for one built after.
    quint32 headGeneration = 0;
    bool connected = false;
    quint16 missedReplies = 0;
    quint8 deviceId = 0;
    quint8 firmwareVersion = 0;
    // The whole firmware version from the last firmware info, valid while its low 8 bits are
    // the version byte of the replies.
    bool firmwareInfoKnown = false;
    quint16 firmwareInfoVersion = 0;
    // While the firmware info is asked for: the command to go back to, and the replies that
    // came without it (a controller that does not know the question is not asked forever).
    quint8 commandBeforeInfo = command::None;
    int repliesWithoutInfo = 0;

    // Whether a complete read has filled the block since the port was opened. Until then the
    // block holds nothing of the controller's, so an upload waits for the read to end.
    bool blockRead = false;
    bool uploadDeferred = false;
    // After every upload the link reads the block back into readBack and compares it with what
    // it sent; a difference is uploaded once more before it is reported.
    bool verifying = false;
    int uploadAttempt = 0;
    quint8 readBack[kParameterBlockSize] = {};

    // What the controller is known to hold: the block as last read, or as last verified.
    bool confirmedKnown = false;
    quint8 confirmed[kParameterBlockSize] = {};
    // An upload cut off by a silent controller: what it was uploading, to be put back into the
    // block and uploaded again once the fresh read that follows the silence has ended.
    bool resumeUpload = false;
    quint8 resumeBlock[kParameterBlockSize] = {};
    // What the controller was known to hold when that upload was cut off.
    quint8 resumeBase[kParameterBlockSize] = {};

    void chooseHead(quint8 chosen);
    // A port has just opened: nothing of this controller has been read yet. An upload a silence
    // cut off is kept only when the port is the one it was cut off on, taken back after a lend
    // (a bootloader probe, a flash); the read then tells whether it is still the same block.
    void startFreshRead(bool keepCutUpload = false);
    // The controller stopped answering: read the whole block again once it is back.
    void startParameterRead();
    // Called for every frame while the controller stays silent: keeps asking for the first
    // slice without making the answer to the frame already out count for nothing.
    void keepAskingForParameters();
    // The application's upload of the whole block (setSubframeHead(1)).
    void requestUpload();
    // Asks for the firmware info unless a command of the application is under way.
    void requestFirmwareInfo();
    // An upload has been asked for, is being sent or is being read back.
    bool isUploadUnderWay() const;
    // The controller stopped answering: an upload under way is kept, to be redone after the
    // read (block is the block being uploaded).
    void keepUploadForResume(const quint8 *block);
};

// The outcome of the read-back that follows an upload.
enum class Verification
{
    None,
    Equal,
    Different
};

// What the link reports after one reply, in emission order: connection, command result,
// upload progress, then the change notifications.
struct ReplyEffects
{
    bool becameConnected = false;
    int commandStatus = -1;
    int uploadStatus = -1;
    Verification verification = Verification::None;
    // The fields the controller did not take, when the verification found a difference.
    QStringList rejectedFields;
    bool parametersChanged = false;
    // The read that ended is the first complete one since the port was opened.
    bool firstReadAfterOpen = false;
    // The read after a silence has ended and the upload the silence cut off starts again.
    bool uploadResumed = false;
    // The read after a reopen found a block that is neither what the controller held nor what
    // was being uploaded (reset by a flash, or another controller): the cut upload is dropped.
    bool cutUploadDropped = false;
    QStringList droppedFields; // what that upload would have changed
    bool telemetryChanged = false;
    // A firmware info arrived (RequestState::firmwareInfoVersion).
    bool firmwareInfo = false;
};

// The whole firmware version in the payload of a firmware info reply.
FCLINK_EXPORT quint16 firmwareInfoVersion(const quint8 *payload);

// Applies one checksum-valid reply frame to the request state, the 210-byte parameter block
// and the telemetry targets.
FCLINK_EXPORT ReplyEffects decodeReply(const quint8 *frame, RequestState &state, quint8 *block,
                                       const TelemetryTargets &telemetry);

} // namespace fclink

#endif // FCLINK_REPLYDECODER_H
