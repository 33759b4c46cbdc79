#ifndef TESTS_MODALHELPERS_H
#define TESTS_MODALHELPERS_H

// Answering the modal dialogs the update views open (file dialogs, questions), as a user would.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include <functional>

namespace modal {

constexpr int kWaitMs = 10000;

// Types a path into an open file dialog and accepts it, as the user would.
inline void chooseFile(QFileDialog *dialog, const QString &file)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (edit)
        edit->setText(file);
    QMetaObject::invokeMethod(dialog, "accept");
}

// Runs f when the next modal dialog of type T is up, then closes it; records whether it came.
template <typename T> void whenModal(bool *seen, std::function<void(T *)> f = nullptr)
{
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [=] {
        T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog && clock->elapsed() < kWaitMs)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (dialog) {
            *seen = true;
            if (f)
                f(dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    });
    timer->start(20);
}

// Answers the next question box with the given button; *text receives its text.
inline void answerQuestion(QMessageBox::StandardButton answer, bool *seen, QString *text = nullptr,
                           QMessageBox::StandardButton *preselected = nullptr)
{
    whenModal<QMessageBox>(seen, [=](QMessageBox *box) {
        if (text)
            *text = box->text();
        if (preselected)
            *preselected = box->standardButton(box->defaultButton());
        if (QAbstractButton *button = box->button(answer))
            button->click();
    });
}

inline QString lastLine(QTextEdit *edit)
{
    return edit->toPlainText().split('\n').last();
}

} // namespace modal

#endif // TESTS_MODALHELPERS_H
