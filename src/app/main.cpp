#include "app/BrennickApplication.h"
#include "app/TForm1.h"
#include "maps/TForm3.h"
#include "portals/TForm6.h"
#include "spawns/TForm4.h"

int main(int argc, char** argv) {
    BrennickApplication application(argc, argv);
    TForm1 form1;
    TForm3 form3(form1);
    TForm4 form4(form1);
    TForm6 form6(form1);
    form1.setSecondaryWindows(&form3, &form4, &form6);
    form1.show();
    return application.exec();
}
