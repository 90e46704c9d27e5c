#include "spawns/SpawnPage.h"

#include "app/TForm1.h"

SpawnPage::SpawnPage(TForm1& form, QWidget* sheet) : QObject(&form), form_(form) { Q_UNUSED(sheet); }

