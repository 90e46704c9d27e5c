#include "BrennickApplication.h"
#include "MainWindow.h"

int main(int argc, char** argv) {
    BrennickApplication application(argc, argv);
    MainWindow form1;
    form1.show();
    return application.exec();
}
