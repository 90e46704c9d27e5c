#pragma once

#include "support/PageState.h"
#include "support/ShellFixture.h"

#include "items/ItemPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <string>
#include <vector>

// The item page on a fake shell, with the sample InitItem.txt and item names
// loaded on demand.
class ItemPageFixture : public ShellFixture {
  protected:
    ItemPage& page() { return *page_; }
    ItemTable& items() { return workspace->items; }
    ItemNameTable& names() { return workspace->itemNames; }

    void loadSamples() {
        load(dataFile("items-sample", "InitItem.txt"), dataFile("items-sample", "ItemName.txt"));
    }

    // Loads InitItem.txt and the item names made of these bytes.
    void loadBytes(const std::string& itemBytes, const std::string& nameBytes) {
        writeBytes(scratchFile("InitItem.txt"), itemBytes);
        writeBytes(scratchFile("ItemName.txt"), nameBytes);
        load(scratchFile("InitItem.txt"), scratchFile("ItemName.txt"));
    }

    // "Load InitItem", answering "Yes" to the names question.
    void load(const QString& itemFile, const QString& nameFile) {
        shell.answerFile(itemFile);
        shell.answerConfirm(true);
        shell.answerFile(nameFile);
        page().loadInitItem();
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

    std::vector<std::string> pageState() const { return PageState(sheet); }

    ItemPage* page_ = new ItemPage(shell, *workspace, &sheet);
};
