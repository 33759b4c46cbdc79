#ifndef MODALANSWERER_H
#define MODALANSWERER_H

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QFileDialog;

// Answers the next modal dialogs as they open: records each message box's title and text and
// presses the chosen button (OK unless told otherwise), or hands a file dialog to the given
// handler (which rejects it when there is none).
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(std::function<void(QFileDialog *)> onFileDialog = nullptr);

    void setAnswer(QMessageBox::StandardButton button) { answer = button; }

    QStringList texts;
    QStringList titles;
    int fileDialogs = 0;

private:
    void answerModal();

    QTimer poll;
    std::function<void(QFileDialog *)> fileDialogHandler;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
};

#endif // MODALANSWERER_H
