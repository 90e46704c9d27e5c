#include "items/CharacterPage.h"

#include "app/TForm1.h"

CharacterPage::CharacterPage(TForm1& form, QWidget* sheet) : QObject(&form), form_(form) { Q_UNUSED(sheet); }

