#include "helpbrowser.h"

#include "logcategories.h"
#include "product/fontscale.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

// What the documents' style sheet takes for granted: its relative heading sizes ("large") count
// from a 12-pixel Arial, lists indent by 18 pixels and the text keeps 6 pixels from the edges.
constexpr int kBaseFontPixels = 12;
constexpr int kListIndentPixels = 18;
constexpr int kMarginPixels = 6;

bool opensOutside(const QUrl &link)
{
    static const QStringList schemes{QStringLiteral("http"), QStringLiteral("https"),
                                     QStringLiteral("mailto")};
    return schemes.contains(link.scheme());
}

} // namespace

HelpBrowser::HelpBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAccessibleName(tr("Help"));
    QFont base = font();
    base.setFamily(QStringLiteral("Arial"));
    base.setPixelSize(qRound(FontScale::scaled(kBaseFontPixels)));
    setFont(base);
    document()->setIndentWidth(FontScale::scaled(kListIndentPixels));
    document()->setDocumentMargin(FontScale::scaled(kMarginPixels));
    // Every link goes through followLink(): QTextBrowser would try to show a web address itself.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

void HelpBrowser::showDocument(const QString &address)
{
    setSource(QUrl(address));
    clearHistory();
}

void HelpBrowser::followLink(const QUrl &link)
{
    if (opensOutside(link)) {
        if (!QDesktopServices::openUrl(link))
            qCWarning(lcShell) << "no program opens" << link.toString();
        return;
    }
    const QUrl target = source().resolved(link);
    if (!target.isLocalFile()) {
        qCWarning(lcShell) << "help link not followed:" << link.toString();
        return;
    }
    // Another document loads; the same one with a fragment only scrolls to the anchor.
    setSource(target);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    // The missing document's page goes through the normal loading, so that the address, the
    // history and links resolved against it stay those of the document asked for.
    if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
        const QFileInfo file(name.toLocalFile());
        if (!file.isFile()) {
            // Every page has its documents: a missing one is a fault of the installation.
            qCWarning(lcShell) << "help document missing:" << file.filePath();
            return missingDocumentPage(file.fileName());
        }
        qCDebug(lcShell) << "help document" << file.filePath();
    }
    const QVariant resource = QTextBrowser::loadResource(type, name);
    if (type == QTextDocument::StyleSheetResource && FontScale::factor() != 1.0)
        return scaledPixels(resource.userType() == QMetaType::QByteArray
                                ? QString::fromUtf8(resource.toByteArray())
                                : resource.toString());
    return resource;
}

// The documents' sizes are in pixels for text at 96 dpi; a desktop with larger fonts gets them
// larger by the same factor as the forms.
QString HelpBrowser::scaledPixels(QString css)
{
    static const QRegularExpression pixels(QStringLiteral("(\\d+)px"));
    QRegularExpressionMatchIterator found = pixels.globalMatch(css);
    QString scaled;
    int copied = 0;
    while (found.hasNext()) {
        const QRegularExpressionMatch match = found.next();
        scaled += css.mid(copied, match.capturedStart() - copied);
        scaled += QString::number(qRound(FontScale::scaled(match.captured(1).toInt()))) +
                  QStringLiteral("px");
        copied = match.capturedEnd();
    }
    return scaled + css.mid(copied);
}

QString HelpBrowser::missingDocumentPage(const QString &fileName)
{
    const QString title =
        QCoreApplication::translate("HelpDocument", "This help page is not available");
    const QString text =
        QCoreApplication::translate("HelpDocument",
                                    "The help document %1 was not found beside the program. "
                                    "Installing the program again brings it back.")
            .arg(QStringLiteral("<b>%1</b>").arg(fileName.toHtmlEscaped()));
    return QStringLiteral("<html><head><meta charset=\"utf-8\"></head>"
                          "<body style=\"font-family:Arial;font-size:12px;color:#333333;\">"
                          "<p style=\"font-size:13px;font-weight:bold;\">%1</p><p>%2</p>"
                          "</body></html>")
        .arg(title.toHtmlEscaped(), text);
}
