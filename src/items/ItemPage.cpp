#include "items/ItemPage.h"

#include "app/TForm1.h"

ItemPage::ItemPage(TForm1& form, QWidget* sheet) : QObject(&form), form_(form) { Q_UNUSED(sheet); }

void ItemPage::ItemName1Click() {}
