#pragma once

#include "support/AppFixture.h"

#include "items/ItemPage.h"

#include <QComboBox>

// The main window with the sample InitItem.txt and item names loaded.
class ItemPageFixture : public AppFixture {
  protected:
    ItemPage& page() { return form1->itemPage(); }
    ItemTable& items() { return page().items(); }

    void loadSamples() {
        dialogs.then(DialogDriver::chooseFile(dataFile("items-sample", "InitItem.txt")));
        dialogs.then(DialogDriver::press("&Yes"));
        dialogs.then(DialogDriver::chooseFile(dataFile("items-sample", "ItemName.txt")));
        page().Button5Click();
    }

    // Chooses a class, then a type anew (the type keyword is worked out only when a type is chosen).
    void choose(int classPosition, int typePosition) {
        control<QComboBox>("ComboBox1")->setCurrentIndex(classPosition);
        control<QComboBox>("ComboBox2")->setCurrentIndex(-1);
        control<QComboBox>("ComboBox2")->setCurrentIndex(typePosition);
    }

    QStringList listed() const {
        QStringList entries;
        auto* list = control<QComboBox>("ComboBox3");
        for (int i = 0; i < list->count(); ++i) {
            entries << list->itemText(i);
        }
        return entries;
    }
};
