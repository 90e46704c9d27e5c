#include "monsters/MonsterPage.h"

#include "app/TForm1.h"

MonsterPage::MonsterPage(TForm1& form, QWidget* sheet) : QObject(&form), form_(form) { Q_UNUSED(sheet); }

void MonsterPage::MonsterName1Click() {}
