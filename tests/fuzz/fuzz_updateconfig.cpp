// libFuzzer target for the update server's update-config document, which both update paths (the
// update page's online check and the download dialog) read with UpdateConfig, and for the
// version in it. What must hold for any document:
// - one that does not parse keeps nothing of a document read before;
// - the version counts only when the root's "version" attribute is one to five ASCII digits of
//   at most 65535, and is then that number, shown as its hundredths ("1.05" for 105);
// - the release notes are whole lines, and reading the same document twice gives the same.
#include "fuzzsupport.h"
#include "skydesk/update/updateconfig.h"
#include "skydesk/update/updatehelpers.h"

#include <QDomDocument>

namespace {

const QByteArray kKnownDocument =
    "<firmware name=\"QM-TV\" version=\"120\"><files><file name=\"QM-TV-S_1.20.qmtvf\"/></files>"
    "<update><item content=\"Faster\"/></update></firmware>";

bool sameConfig(const UpdateConfig &a, const UpdateConfig &b)
{
    return a.hasName() == b.hasName() && a.productName() == b.productName() &&
           a.hasValidVersion() == b.hasValidVersion() && a.version() == b.version() &&
           a.hasFileEntry() == b.hasFileEntry() && a.fileName() == b.fileName() &&
           a.content() == b.content();
}

// The number a version attribute gives, or -1 when it is none.
int plainVersion(const QString &attribute)
{
    if (attribute.isEmpty() || attribute.size() > 5)
        return -1;
    int number = 0;
    for (const QChar c : attribute) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return -1;
        number = number * 10 + (c.unicode() - '0');
    }
    return number <= 0xFFFF ? number : -1;
}

QString hundredths(int version)
{
    return QStringLiteral("%1.%2").arg(version / 100).arg(version % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    silenceQtMessages();
    const QByteArray document = fuzzInput(data, size);
    UpdateConfig config;
    FUZZ_REQUIRE(config.parse(kKnownDocument) && config.hasValidVersion());
    if (!config.parse(document)) {
        FUZZ_REQUIRE(sameConfig(config, UpdateConfig()));
        return 0;
    }
    UpdateConfig again;
    FUZZ_REQUIRE(again.parse(document) && sameConfig(config, again));

    QDomDocument dom;
    FUZZ_REQUIRE(dom.setContent(document));
    const int expected = plainVersion(dom.documentElement().attribute(QStringLiteral("version")));
    FUZZ_REQUIRE(config.hasValidVersion() == (expected >= 0));
    if (config.hasValidVersion()) {
        FUZZ_REQUIRE(config.version() == expected);
        FUZZ_REQUIRE(update::versionText(config.version()) == hundredths(expected));
    } else {
        FUZZ_REQUIRE(config.version() == 0);
    }
    FUZZ_REQUIRE(config.content().isEmpty() || config.content().endsWith(QLatin1String("\r\n")));
    FUZZ_REQUIRE(config.hasFileEntry() || config.fileName().isEmpty());
    FUZZ_REQUIRE(config.hasName() || config.productName().isEmpty());
    return 0;
}
