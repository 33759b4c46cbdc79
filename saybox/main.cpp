#include "glmainwidget.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Qt 5 no longer ships "plastique"; Fusion is the closest of the built-in styles.
    QStyle *style = QStyleFactory::create(QStringLiteral("plastique"));
    if (!style)
        style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (style)
        QApplication::setStyle(style);

    GLMainWidget window;
    window.show();
    return QApplication::exec();
}
