#ifndef SKYDESK_HELPBROWSER_H
#define SKYDESK_HELPBROWSER_H

#include <QTextBrowser>

// A help panel: shows one of the program's help documents (local HTML files with their style
// sheet). A link to another document opens it in the panel (Alt+Left goes back), a link within
// the document scrolls to its anchor, and a link to the web or to mail goes to the system's
// browser or mail program. A document that is not there shows a short page naming it.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget *parent = nullptr);

    // Shows the document at a file address (a file URL, as documentFolder() + file name gives)
    // and forgets the documents visited through links before.
    void showDocument(const QString &address);
    // The address of the document shown, or of the missing one whose page is shown.
    QString address() const { return source().toString(); }

    // The page shown instead of a missing document, as HTML, in the interface language.
    static QString scaledPixels(QString css);
    static QString missingDocumentPage(const QString &fileName);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void followLink(const QUrl &link);
};

#endif // SKYDESK_HELPBROWSER_H
