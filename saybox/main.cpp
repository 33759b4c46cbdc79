#include "glmainwidget.h"

int main(int argc, char *argv[])
{
    return GLMainWidget::runApplication(argc, argv);
}
