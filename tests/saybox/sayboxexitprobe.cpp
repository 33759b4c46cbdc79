// The feedback program as a process of its own, for the tests of how it ends: it fills in the
// form, submits to SAYBOX_FTP_URL and closes its window as soon as the session starts to close,
// printing "closing" just before.
#include "saybox/glftpobject.h"
#include "saybox/glmainwidget.h"
#include "saybox/glsayboxclient.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    return GLMainWidget::runApplication(argc, argv, [](GLMainWidget &window) {
        GLSayboxClient *client = window.client();
        client->findChild<QLineEdit *>(QStringLiteral("lineEdit"))
            ->setText(QStringLiteral("pilot@example.org"));
        client->findChild<QTextEdit *>(QStringLiteral("textEdit"))
            ->setPlainText(QStringLiteral("Sent by the exit probe."));
        QObject::connect(client->ftpObject(), &GLFtpObject::noticeStateDisplay, &window,
                         [&window](const QString &notice) {
                             if (notice != QStringLiteral("Closeing connection..."))
                                 return;
                             std::puts("closing");
                             std::fflush(stdout);
                             QTimer::singleShot(0, &window, &QWidget::close);
                         });
        client->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit"))->click();
    });
}
