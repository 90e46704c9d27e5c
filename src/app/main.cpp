#include "app/BrennickApplication.h"
#include "app/TForm1.h"

int main(int argc, char** argv) {
    BrennickApplication application(argc, argv);
    TForm1 form1;
    form1.show();
    return application.exec();
}
