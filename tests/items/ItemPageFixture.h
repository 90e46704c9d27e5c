#pragma once

#include "support/ShellFixture.h"

#include "items/ItemPage.h"

#include <QComboBox>

// The item page on a fake shell, with the sample InitItem.txt and item names
// loaded on demand.
class ItemPageFixture : public ShellFixture {
  protected:
    ItemPage& page() { return *page_; }
    ItemTable& items() { return workspace->items; }
    ItemNameTable& names() { return workspace->itemNames; }

    void loadSamples() {
        shell.answerFile(dataFile("items-sample", "InitItem.txt"));
        shell.answerConfirm(true);
        shell.answerFile(dataFile("items-sample", "ItemName.txt"));
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

    ItemPage* page_ = new ItemPage(shell, *workspace, &sheet);
};
