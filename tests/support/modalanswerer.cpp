#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>

ModalAnswerer::ModalAnswerer(std::function<void(QFileDialog *)> onFileDialog)
    : fileDialogHandler(std::move(onFileDialog))
{
    connect(&poll, &QTimer::timeout, this, &ModalAnswerer::answerModal);
    poll.start(10);
}

void ModalAnswerer::answerModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        titles << box->windowTitle();
        texts << box->text();
        QAbstractButton *button = box->button(answer);
        (button ? button : box->button(QMessageBox::Ok))->click();
    } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        ++fileDialogs;
        if (fileDialogHandler)
            fileDialogHandler(dialog);
        else
            dialog->reject();
    }
}
