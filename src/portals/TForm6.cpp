#include "portals/TForm6.h"

#include "app/TForm1.h"

TForm6::TForm6(TForm1& form) : QWidget(nullptr, Qt::Tool), form_(form) {
    setObjectName("Form6");
    setWindowTitle("Add new portal");
}
