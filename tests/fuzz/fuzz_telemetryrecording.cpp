// libFuzzer target for telemetry recordings read back from CSV files (the recording viewer's
// reader). What must hold for any file:
// - a refused file leaves the recording read before as it was and says why;
// - an accepted one has a value of every channel for every row, times that never go back, and
//   one row for each whole line after the header (a last line without its line feed left out);
// - its rows written out as a recording file read back to rows that write out the same file,
//   and any run of its rows written out reads back as those rows.
#include "fclink/storage/telemetrycsv.h"
#include "fclink/storage/telemetryrecording.h"
#include "fuzzsupport.h"

#include <algorithm>

using namespace fclink;

namespace {

const QString kName = QStringLiteral("fuzz.csv");

TelemetryRecording knownRecording()
{
    const QByteArray csv = telemetryCsvHeader() +
                           "0,1500,1500,1000,1500,1500,1500,1500,1500,1.2,-3.4,359.9,0.01,"
                           "0.02,0.03,0.1,0.2,9.8,12.5,12.10,5\n";
    TelemetryRecording recording;
    FUZZ_REQUIRE(parseTelemetryRecording(csv, kName, &recording, nullptr));
    return recording;
}

bool sameRows(const TelemetryRecording &a, int aFirst, const TelemetryRecording &b, int bFirst,
              int count)
{
    if (a.timeMs.mid(aFirst, count) != b.timeMs.mid(bFirst, count))
        return false;
    for (int channel = 0; channel < kTelemetryChannelCount; ++channel) {
        if (a.channels[channel].mid(aFirst, count) != b.channels[channel].mid(bFirst, count))
            return false;
    }
    return true;
}

bool sameRecording(const TelemetryRecording &a, const TelemetryRecording &b)
{
    return a.rowCount() == b.rowCount() && a.leftOutLines == b.leftOutLines &&
           sameRows(a, 0, b, 0, a.rowCount());
}

void checkShape(const QByteArray &bytes, const TelemetryRecording &read)
{
    for (const QVector<float> &channel : read.channels)
        FUZZ_REQUIRE(channel.size() == read.rowCount());
    FUZZ_REQUIRE(std::is_sorted(read.timeMs.cbegin(), read.timeMs.cend()));
    const bool cut = !bytes.endsWith('\n');
    FUZZ_REQUIRE(read.leftOutLines == (cut ? 1 : 0));
    // The header's line feed and one for each row, the cut line after them.
    FUZZ_REQUIRE(bytes.count('\n') == read.rowCount() + 1);
}

void checkWrittenBack(const TelemetryRecording &read)
{
    const QByteArray written = telemetryRecordingCsv(read, 0, read.rowCount());
    TelemetryRecording reread;
    QString error;
    FUZZ_REQUIRE(parseTelemetryRecording(written, kName, &reread, &error));
    FUZZ_REQUIRE(reread.rowCount() == read.rowCount() && reread.timeMs == read.timeMs);
    FUZZ_REQUIRE(telemetryRecordingCsv(reread, 0, reread.rowCount()) == written);

    // The middle rows, as the viewer exports a stretch of the recording.
    const int first = read.rowCount() / 3;
    const int end = read.rowCount() - read.rowCount() / 3;
    TelemetryRecording stretch;
    FUZZ_REQUIRE(parseTelemetryRecording(telemetryRecordingCsv(reread, first, end), kName, &stretch,
                                         &error));
    FUZZ_REQUIRE(stretch.rowCount() == end - first);
    FUZZ_REQUIRE(sameRows(stretch, 0, reread, first, end - first));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TelemetryRecording known = knownRecording();
    const QByteArray bytes = fuzzInput(data, size);
    TelemetryRecording read = known;
    QString error;
    if (!parseTelemetryRecording(bytes, kName, &read, &error)) {
        FUZZ_REQUIRE(!error.isEmpty() && error.contains(kName));
        FUZZ_REQUIRE(sameRecording(read, known));
        return 0;
    }
    checkShape(bytes, read);
    checkWrittenBack(read);
    return 0;
}
