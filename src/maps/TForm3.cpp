#include "maps/TForm3.h"

#include "app/TForm1.h"

TForm3::TForm3(TForm1& form) : QWidget(nullptr, Qt::Tool), form_(form) {
    setObjectName("Form3");
    setWindowTitle("Form3");
}
