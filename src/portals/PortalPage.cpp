#include "portals/PortalPage.h"

#include "app/TForm1.h"

PortalPage::PortalPage(TForm1& form, QWidget* sheet) : QObject(&form), form_(form) { Q_UNUSED(sheet); }

