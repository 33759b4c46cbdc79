#include "documentfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWebView>

QString documentFolder(quint8 languageCode)
{
    static const char *const folders[] = {"/doc/en_US/", "/doc/zh_CN/", "/doc/de_GE/"};
    // A code without a translation shows the English interface, and so the English help.
    const QString language = QLatin1String(folders[languageCode <= 2 ? languageCode : 0]);
    // Beside the program first, so that a start from another working directory finds them.
    QString base = QCoreApplication::applicationDirPath();
    if (!QFileInfo(base + language).isDir())
        base = QDir::currentPath();
    // QUrl::fromLocalFile gives file:///C:/... on Windows and file:///home/... elsewhere, a
    // valid address on both (joining "file:///" with a path that starts with "/" would not be).
    return QUrl::fromLocalFile(base + language).toString();
}

void showHelpDocument(QWebView *view, const QString &address)
{
    const QUrl url(address);
    const QFileInfo file(url.toLocalFile());
    if (url.isLocalFile() && file.isFile()) {
        view->setUrl(url);
        return;
    }
    view->setHtml(missingHelpDocumentPage(file.fileName()));
}

QString missingHelpDocumentPage(const QString &fileName)
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
