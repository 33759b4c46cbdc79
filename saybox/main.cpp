#include "glmainwidget.h"
#include "product/programinformation.h"

#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    // Answered before anything of the window system is touched: no display is needed.
    if (ProgramInformation::isRequested(argc, argv))
        return ProgramInformation::answer(argc, argv, [](QCommandLineParser &parser) {
            parser.setApplicationDescription(QStringLiteral(
                "Sends feedback on KESTO Tarvel 2 Assistant to its maker: a message, a contact "
                "and up to three pictures and three other files. Skydesk starts it from its "
                "title bar."));
        });
    return GLMainWidget::runApplication(argc, argv);
}
