// libFuzzer target for firmware files (".qmtvf"): the header and body checks an upgrade makes
// before it touches the port, and the download dialog's check of a file fetched from the update
// server. What must hold for any file:
// - an accepted file is exactly the file its version and image build, nothing left unchecked;
// - a refused file leaves the image read before as it was;
// - reading it from disk judges it as reading it from memory does;
// - the download check keeps a file only when it is accepted and of the announced version.
#include "firmwareupgrade/firmwareimage.h"
#include "fuzzsupport.h"
#include "skydesk/update/downloadedfirmware.h"

using fwupgrade::FirmwareImage;

namespace {

const QByteArray kKnownImage("known image");
constexpr quint16 kKnownVersion = 105;

bool sameImage(const FirmwareImage &a, const FirmwareImage &b)
{
    return a.firmwareVersion() == b.firmwareVersion() && a.imageCrc() == b.imageCrc() &&
           a.image() == b.image();
}

FirmwareImage knownImage()
{
    FirmwareImage image;
    const auto result =
        FirmwareImage::parse(FirmwareImage::buildFile(kKnownVersion, kKnownImage), &image);
    FUZZ_REQUIRE(result == FirmwareImage::ParseResult::Ok);
    return image;
}

void checkDownload(const QByteArray &file, bool accepted, quint16 version)
{
    if (!accepted) {
        FUZZ_REQUIRE(!DownloadedFirmware::problem(file, kKnownVersion).isEmpty());
        return;
    }
    FUZZ_REQUIRE(DownloadedFirmware::problem(file, version).isEmpty());
    FUZZ_REQUIRE(!DownloadedFirmware::problem(file, quint16(version + 1)).isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    silenceQtMessages();
    static const QString path = fuzzScratchFolder() + QStringLiteral("/input.qmtvf");
    static const FirmwareImage known = knownImage();
    const QByteArray file = fuzzInput(data, size);

    FirmwareImage image = known;
    const FirmwareImage::ParseResult result = FirmwareImage::parse(file, &image);
    const bool accepted = result == FirmwareImage::ParseResult::Ok;
    if (accepted) {
        FUZZ_REQUIRE(FirmwareImage::buildFile(image.firmwareVersion(), image.image()) == file);
        FUZZ_REQUIRE(FirmwareImage::targetDeviceId(file) == FirmwareImage::kDeviceId);
    } else {
        FUZZ_REQUIRE(sameImage(image, known));
    }
    FUZZ_REQUIRE((FirmwareImage::targetDeviceId(file) >= 0) ==
                 (file.size() >= FirmwareImage::kHeaderSize && file.startsWith("QMTV")));

    writeScratchFile(path, file);
    FirmwareImage fromDisk = known;
    FUZZ_REQUIRE(FirmwareImage::parseFile(path, &fromDisk) == result);
    FUZZ_REQUIRE(sameImage(fromDisk, image));

    checkDownload(file, accepted, image.firmwareVersion());
    return 0;
}
