#include "spawns/TForm4.h"

#include "app/TForm1.h"

TForm4::TForm4(TForm1& form) : QWidget(nullptr, Qt::Tool), form_(form) {
    setObjectName("Form4");
    setWindowTitle("Create new spawn area");
}
