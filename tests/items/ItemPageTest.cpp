#include "items/ItemPageFixture.h"

#include "common/RadioGroup.h"
#include "records/Errors.h"
#include "support/TableRecords.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <functional>

namespace {
using ItemPageTest = ItemPageFixture;

constexpr int kArcher = 0, kKnight = 1, kMage = 2, kAll = 3;
constexpr int kHelmet = 0, kBoots = 4, kWeapon = 5, kShield = 6;

TEST_F(ItemPageTest, ControlsStandWhereTheLayoutPutsThem) {
    // Left, top, width and height within the parent; -1 where the layout leaves it open.
    struct Place {
        const char* name;
        std::array<int, 4> rectangle;
    };
    const Place places[] = {{"ComboBox1", {8, 40, 177, -1}},    {"ComboBox2", {8, 88, 177, -1}},
                            {"ComboBox3", {8, 136, 177, -1}},   {"Image1", {24, 192, 33, 33}},
                            {"idLabel", {72, 192, -1, -1}},     {"id", {136, 192, -1, -1}},
                            {"indexLabel", {72, 208, -1, -1}},  {"index", {136, 208, -1, -1}},
                            {"RadioGroup1", {8, 256, 73, 121}}, {"GroupBox1", {88, 256, 97, 121}},
                            {"Label4", {200, 0, -1, -1}},       {"GroupBox2", {192, 24, 217, 81}},
                            {"GroupBox3", {416, 24, 209, 81}},  {"Specials", {192, 112, 433, 265}},
                            {"GroupBox4", {8, 16, 105, 193}},   {"GroupBox6", {120, 16, 137, 193}},
                            {"GroupBox5", {264, 16, 81, 193}},  {"GroupBox7", {352, 16, 65, 233}},
                            {"GroupBox8", {8, 216, 337, 41}},   {"Button5", {0, 424, 81, 17}}};
    for (const Place& place : places) {
        const QRect shown = control<QWidget>(place.name)->geometry();
        std::array<int, 4> actual{shown.x(), shown.y(), shown.width(), shown.height()};
        for (std::size_t i = 0; i < actual.size(); ++i) {
            if (place.rectangle[i] < 0) {
                actual[i] = -1;
            }
        }
        EXPECT_EQ(actual, place.rectangle) << place.name;
    }
    for (const char* list : {"ComboBox1", "ComboBox2", "ComboBox3"}) {
        const QRect label = control<QLabel>(QString(list) + "Label")->geometry();
        EXPECT_EQ(label.x(), 8) << list;
        EXPECT_LT(label.bottom(), control<QComboBox>(list)->y()) << list;
    }
}

TEST_F(ItemPageTest, LoadsAskForTheNamesAndEnableTheClassList) {
    auto* classes = control<QComboBox>("ComboBox1");
    QSignalSpy itemRows(&page(), &ItemPage::initItemRead);
    QSignalSpy nameRows(&page(), &ItemPage::itemNamesRead);
    shell.cancelFile();
    page().loadInitItem();
    shell.answerFile(scratchFile("missing.txt"));
    EXPECT_THROW(page().loadInitItem(), InOutError);
    EXPECT_FALSE(workspace->InitItemLoaded);
    EXPECT_TRUE(shell.statusPosts().isEmpty());
    EXPECT_EQ(itemRows.count(), 0);

    shell.answerFile(dataFile("items-sample", "InitItem.txt"));
    shell.answerConfirm(false);
    page().loadInitItem();
    EXPECT_EQ(shell.messages(), QStringList{"Confirm: Do you want to load Items Name?"});
    EXPECT_EQ(shell.statusText(), "InitItem Loaded!");
    EXPECT_TRUE(workspace->InitItemLoaded);
    EXPECT_FALSE(classes->isEnabled());
    ASSERT_EQ(itemRows.count(), 1);
    EXPECT_EQ(itemRows.first().first().toLongLong(), 30);

    shell.answerFile(dataFile("items-sample", "ItemName.txt"));
    page().loadItemNames();
    EXPECT_EQ(shell.statusText(), "Items Name Loaded!");
    ASSERT_EQ(nameRows.count(), 1);
    EXPECT_EQ(nameRows.first().first().toLongLong(), 29);
    EXPECT_TRUE(classes->isEnabled());
    EXPECT_EQ(RecordAt(names(), 12).displayName, "Guard Sword");

    // Once the names are loaded, a new InitItem load does not ask again.
    shell.answerFile(dataFile("items-sample", "InitItem.txt"));
    page().loadInitItem();
    EXPECT_EQ(shell.messages().size(), 1);
    std::vector<FileDialog> asked;
    for (const FakeShell::FileDialogUse& use : shell.fileDialogs()) {
        asked.push_back(use.dialog);
    }
    EXPECT_EQ(asked, (std::vector<FileDialog>{FileDialog::OpenInitItem, FileDialog::OpenInitItem,
                                              FileDialog::OpenInitItem, FileDialog::OpenItemsName,
                                              FileDialog::OpenInitItem}));
    EXPECT_EQ(shell.unanswered(), 0);
}

TEST_F(ItemPageTest, EitherLoadEmptiesThePageUntilAnItemIsChosen) {
    loadSamples();
    const std::vector<std::string> empty = pageState();
    const std::pair<const char*, void (ItemPage::*)()> loads[] = {{"InitItem.txt", &ItemPage::loadInitItem},
                                                                  {"ItemName.txt", &ItemPage::loadItemNames}};
    for (const auto& [file, load] : loads) {
        choose(kKnight, kShield);
        control<QComboBox>("ComboBox3")->setCurrentIndex(0);
        shell.answerFile(dataFile("items-sample", file));
        (page().*load)();
        EXPECT_EQ(pageState(), empty) << file;
        for (const char* list : {"ComboBox1", "ComboBox2", "ComboBox3"}) {
            EXPECT_EQ(control<QComboBox>(list)->currentIndex(), -1) << file << list;
        }
    }
}

TEST_F(ItemPageTest, ShieldIsATypeForKnightAndAllOnly) {
    loadSamples();
    auto* classes = control<QComboBox>("ComboBox1");
    auto* types = control<QComboBox>("ComboBox2");
    EXPECT_FALSE(types->isEnabled());
    const std::pair<int, int> steps[] = {{kKnight, 7}, {kAll, 7}, {kArcher, 6},
                                         {kMage, 6},   {kAll, 7}, {kKnight, 7}};
    for (const auto& [classPosition, typeCount] : steps) {
        classes->setCurrentIndex(classPosition);
        EXPECT_EQ(types->count(), typeCount) << classPosition;
    }
    EXPECT_TRUE(types->isEnabled());
    EXPECT_EQ(types->itemText(kShield), "Shield");

    // Removing the chosen "Shield" leaves no type chosen, and the lists keep comparing with "shield".
    types->setCurrentIndex(kShield);
    EXPECT_EQ(listed(), QStringList{"Guard Shield"});
    classes->setCurrentIndex(kArcher);
    EXPECT_EQ(types->currentIndex(), -1);
    EXPECT_EQ(listed(), QStringList{});
    classes->setCurrentIndex(kAll);
    EXPECT_EQ(listed(), (QStringList{"Guard Shield", "Common Shield", "Common Shield"}));
}

TEST_F(ItemPageTest, ItemListsFollowClassAndType) {
    loadSamples();
    struct Case {
        int classPosition;
        int typePosition;
        QStringList expected;
    };
    const Case cases[] = {
        {kArcher, kWeapon, {"Ranger Bow", "Old Ranger Bow"}},
        {kKnight, kBoots, {"Guard Boots"}},
        {kMage, kWeapon, {"Sage Wand", "Old Sage Wand"}},
        {kAll,
         kWeapon,
         {"Ranger Bow", "Old Ranger Bow", "Guard Sword", "Old Guard Sword", "Sage Wand", "Old Sage Wand",
          "Common Club", "Old Common Club"}},
        {kAll,
         kHelmet,
         {"Ranger Cap", "Guard Cap", "Sage Cap", "Common Cap", "Common Cap", "No name", "No name"}},
    };
    for (const Case& test : cases) {
        choose(test.classPosition, test.typePosition);
        EXPECT_EQ(listed(), test.expected) << test.classPosition << "/" << test.typePosition;
        EXPECT_EQ(control<QComboBox>("ComboBox3")->currentIndex(), -1);
    }
    // A new class without a new type keeps the type keyword: "mage" is compared with "bow".
    choose(kArcher, kWeapon);
    control<QComboBox>("ComboBox1")->setCurrentIndex(kMage);
    EXPECT_EQ(listed(), QStringList{});
}

TEST_F(ItemPageTest, ChoosingAnItemFillsThePageWithoutStoring) {
    loadSamples();
    const qsizetype posts = shell.statusPosts().size();
    const ItemRow before = RecordAt(items(), 5);
    choose(kArcher, kWeapon);
    control<QComboBox>("ComboBox3")->setCurrentIndex(0);

    EXPECT_EQ(RecordAt(items(), 5), before);
    EXPECT_EQ(shell.statusPosts().size(), posts);
    EXPECT_EQ(shell.messages().size(), 1); // the names question only
    EXPECT_EQ(control<QLabel>("Label4")->text(), "Ranger Bow");
    EXPECT_EQ(control<QLabel>("id")->text(), "6");
    EXPECT_EQ(control<QLabel>("index")->text(), "1006");
    EXPECT_EQ(control<RadioGroup>("RadioGroup1")->itemIndex(), kArcher);
    const std::pair<const char*, const char*> shown[] = {
        {"LabeledEdit1", "7"},   {"LabeledEdit7", "19"}, {"LabeledEdit8", "2"},
        {"LabeledEdit9", "56"},  {"LabeledEdit10", "2"}, {"Buy", "600"},
        {"Sell", "150"},         {"Str", "6"},           {"LabeledEdit4", "16"},
        {"LabeledEdit5", "11"},  {"LabeledEdit11", "6"}, {"LabeledEdit12", "3"},
        {"LabeledEdit3", "806"}, {"LabeledEdit13", "6"}, {"Hp", ""},
        {"LabeledEdit14", ""}};
    for (const auto& [name, text] : shown) {
        EXPECT_EQ(control<QLineEdit>(name)->text(), text) << name;
    }
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"}) {
        EXPECT_TRUE(control<QCheckBox>(name)->isChecked()) << name;
    }
    EXPECT_FALSE(control<QCheckBox>("CheckBox10")->isChecked());
    for (const char* name :
         {"RadioGroup1", "GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "GroupBox6", "GroupBox8"}) {
        EXPECT_TRUE(control<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(control<QGroupBox>("GroupBox5")->isEnabled());
    EXPECT_FALSE(control<QGroupBox>("GroupBox7")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("CheckBox6")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckBox8")->isChecked());

    // An armour type opens the armour and resistance groups instead.
    control<QComboBox>("ComboBox2")->setCurrentIndex(kHelmet);
    EXPECT_FALSE(control<QGroupBox>("GroupBox1")->isEnabled());
    control<QComboBox>("ComboBox3")->setCurrentIndex(0);
    EXPECT_EQ(control<QLineEdit>("LabeledEdit14")->text(), "6");
    EXPECT_FALSE(control<QGroupBox>("GroupBox6")->isEnabled());
    EXPECT_TRUE(control<QGroupBox>("GroupBox5")->isEnabled());
    EXPECT_TRUE(control<QGroupBox>("GroupBox7")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>("CheckBox8")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckBox9")->isChecked());
    EXPECT_EQ(shell.statusPosts().size(), posts);
}

TEST_F(ItemPageTest, EachChangeStoresOnlyItsOwnField) {
    loadSamples();
    RecordAt(items(), 0).fields[19] = ""; // a flag the file left empty
    choose(kArcher, kHelmet);
    control<QComboBox>("ComboBox3")->setCurrentIndex(0);
    EXPECT_FALSE(control<QCheckBox>("CheckBox4")->isChecked());

    // Makes one change and checks that it stored `bytes` in `field` of the shown row and nothing else.
    const auto expectStoredAlone = [this](const char* name, std::size_t field, const std::string& bytes,
                                          const std::function<void()>& change) {
        ItemRow expected = RecordAt(items(), 0);
        expected.fields[field] = bytes;
        const qsizetype posts = shell.statusPosts().size();
        change();
        EXPECT_EQ(RecordAt(items(), 0), expected) << name;
        EXPECT_EQ(shell.statusPosts().mid(posts), QStringList{"Saved!"}) << name;
    };
    const std::pair<const char*, std::size_t> edits[] = {{"LabeledEdit1", 16},
                                                         {"LabeledEdit7", 23},
                                                         {"LabeledEdit9", 27},
                                                         {"Buy", 25},
                                                         {"Sell", 26},
                                                         {"Str", 31},
                                                         {"Hth", 32},
                                                         {"Wis", 33},
                                                         {"Dex", 34},
                                                         {"Hp", 35},
                                                         {"Mp", 36},
                                                         {"LabeledEdit2", 67},
                                                         {"LabeledEdit4", 37},
                                                         {"LabeledEdit5", 38},
                                                         {"LabeledEdit11", 39},
                                                         {"LabeledEdit12", 40},
                                                         {"LabeledEdit3", 30},
                                                         {"LabeledEdit13", 41},
                                                         {"LabeledEdit8", 24},
                                                         {"LabeledEdit10", 28},
                                                         {"LabeledEdit14", 42},
                                                         {"LabeledEdit15", 43},
                                                         {"LabeledEdit16", 44},
                                                         {"LabeledEdit17", 45},
                                                         {"LabeledEdit18", 46},
                                                         {"LabeledEdit19", 47},
                                                         {"LabeledEdit20", 48},
                                                         {"LabeledEdit21", 49}};
    int n = 0;
    for (const auto& [name, field] : edits) {
        const std::string bytes = std::to_string(++n) + "\xE9";
        expectStoredAlone(name, field, bytes, [&, name = name] {
            control<QLineEdit>(name)->setText(QString::fromLatin1(bytes.c_str()));
        });
    }
    const std::pair<const char*, std::size_t> flags[] = {
        {"CheckBox1", 17}, {"CheckBox3", 18}, {"CheckBox4", 19}, {"CheckBox5", 20}, {"CheckBox2", 15}};
    for (const auto& [name, field] : flags) {
        auto* box = control<QCheckBox>(name);
        const bool ticked = box->isChecked();
        expectStoredAlone(name, field, ticked ? "0" : "1", [box, ticked] { box->setChecked(!ticked); });
    }
    const char* const classes[] = {"archer", "Knight", "mage", "all"};
    for (const int choice : {kMage, kAll, kKnight, kArcher}) {
        expectStoredAlone(classes[choice], 22, classes[choice],
                          [&] { control<RadioGroup>("RadioGroup1")->setItemIndex(choice); });
    }
    EXPECT_EQ(RecordAt(items(), 1).fields[16], "3"); // other rows stay as read
    EXPECT_EQ(shell.messages().size(), 1);
}

TEST_F(ItemPageTest, LongValuesAreShownWholeAndTypingIsLimited) {
    constexpr qsizetype kLongLength = 40000; // past Qt's default limit of an edit
    const std::string longSell(kLongLength, '7');
    loadBytes("(item (name 1) (class weapon bow) (level 1234) (limit archer 1234) (sell " + longSell +
                  ") (endurance 1500))",
              "(itemname 1 \"Long Bow\")");
    choose(kArcher, kWeapon);
    control<QComboBox>("ComboBox3")->setCurrentIndex(0);
    const std::pair<const char*, const char*> shown[] = {
        {"LabeledEdit1", "1234"}, {"LabeledEdit7", "1234"}, {"LabeledEdit9", "1500"}};
    for (const auto& [name, text] : shown) {
        EXPECT_EQ(control<QLineEdit>(name)->text(), text) << name;
    }
    EXPECT_EQ(control<QLineEdit>("Sell")->text().size(), kLongLength);

    // A change of another control keeps them whole in the table.
    control<QCheckBox>("CheckBox4")->setChecked(true);
    control<QLineEdit>("Str")->setText("9");
    EXPECT_EQ(RecordAt(items(), 0).fields[16], "1234");
    EXPECT_EQ(RecordAt(items(), 0).fields[23], "1234");
    EXPECT_EQ(RecordAt(items(), 0).fields[27], "1500");
    EXPECT_EQ(RecordAt(items(), 0).fields[26].size(), longSell.size());

    // Typing into Grade, Level limit and Endurance stops at 3 characters.
    const std::pair<const char*, std::size_t> limited[] = {
        {"LabeledEdit1", 16}, {"LabeledEdit7", 23}, {"LabeledEdit9", 27}};
    for (const auto& [name, field] : limited) {
        auto* edit = control<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, "98765");
        EXPECT_EQ(edit->text(), "987") << name;
        EXPECT_EQ(RecordAt(items(), 0).fields[field], "987") << name;
    }
}

TEST_F(ItemPageTest, CantBuyKeepsThePriceInField70) {
    loadSamples();
    choose(kArcher, kWeapon);
    auto* item = control<QComboBox>("ComboBox3");
    auto* cantBuy = control<QCheckBox>("CheckBox10");
    auto* buy = control<QLineEdit>("Buy");
    item->setCurrentIndex(0);

    cantBuy->setChecked(true);
    EXPECT_FALSE(buy->isEnabled());
    EXPECT_EQ(buy->text(), "0");
    EXPECT_EQ(RecordAt(items(), 5).fields[25], "0");
    EXPECT_EQ(RecordAt(items(), 5).fields[70], "600");
    cantBuy->setChecked(false);
    EXPECT_TRUE(buy->isEnabled());
    EXPECT_EQ(RecordAt(items(), 5).fields[25], "600");
    EXPECT_EQ(shell.statusText(), "Saved!");

    // A price of "0" in the file ticks the box; unticking it gives the empty price kept in field 70.
    item->setCurrentIndex(1);
    EXPECT_TRUE(cantBuy->isChecked());
    EXPECT_FALSE(buy->isEnabled());
    EXPECT_EQ(buy->text(), "0");
    cantBuy->setChecked(false);
    EXPECT_EQ(buy->text(), "");
    EXPECT_EQ(RecordAt(items(), 6).fields[25], "");
    EXPECT_EQ(shell.messages().size(), 1);
}

TEST_F(ItemPageTest, ForceOptionsEnableTheirGroups) {
    loadSamples();
    choose(kKnight, kWeapon);
    control<QComboBox>("ComboBox3")->setCurrentIndex(0);
    const std::pair<const char*, const char*> options[] = {{"CheckBox6", "GroupBox4"},
                                                           {"CheckBox8", "GroupBox6"},
                                                           {"CheckBox7", "GroupBox5"},
                                                           {"CheckBox9", "GroupBox7"}};
    for (const auto& [box, group] : options) {
        for (const bool ticked : {true, false, true}) {
            control<QCheckBox>(box)->setChecked(ticked);
            EXPECT_EQ(control<QGroupBox>(group)->isEnabled(), ticked) << box;
        }
    }
    const ItemRow before = RecordAt(items(), 12);
    control<QComboBox>("ComboBox2")->setCurrentIndex(kBoots);
    for (const auto& [box, group] : options) {
        EXPECT_FALSE(control<QCheckBox>(box)->isChecked()) << box;
        EXPECT_FALSE(control<QGroupBox>(group)->isEnabled()) << group;
    }
    EXPECT_EQ(RecordAt(items(), 12), before);
}

TEST_F(ItemPageTest, ChangeWithNoItemChosenShowsTheErrorAndStoresNothing) {
    loadSamples();
    choose(kKnight, kWeapon);
    control<QComboBox>("ComboBox3")->setCurrentIndex(0);
    const ItemRow before = RecordAt(items(), 12);
    const qsizetype posts = shell.statusPosts().size();

    // A new class keeps showing the item, but no entry of the new list is chosen.
    control<QComboBox>("ComboBox1")->setCurrentIndex(kAll);
    EXPECT_EQ(control<QLabel>("id")->text(), "13");
    control<QLineEdit>("Str")->setText("99");
    control<QCheckBox>("CheckBox10")->setChecked(true);
    EXPECT_FALSE(control<QCheckBox>("CheckBox10")->isChecked());

    EXPECT_EQ(shell.messages().mid(1),
              (QStringList{"Error: Error!\r\nPlease choose Item!", "Error: Error!\r\nPlease choose Item!"}));
    EXPECT_EQ(RecordAt(items(), 12), before);
    EXPECT_EQ(shell.statusPosts().size(), posts);
}

TEST_F(ItemPageTest, EntriesWithoutAnItemRowLeaveThePageAsItWas) {
    loadSamples();
    choose(kAll, kHelmet);
    auto* item = control<QComboBox>("ComboBox3");
    item->setCurrentIndex(4); // the second "Common Cap" entry holds the name row's position
    ASSERT_EQ(control<QLabel>("id")->text(), "23");
    RecordAt(names(), 0).number = "999"; // "Ranger Cap" now names an item that no row carries
    const std::vector<std::string> shown = pageState();
    const qsizetype posts = shell.statusPosts().size();

    // The first "Common Cap" entry, both "No name" entries and the unknown number.
    for (const int entry : {3, 5, 6, 0}) {
        item->setCurrentIndex(entry);
        EXPECT_EQ(pageState(), shown) << entry;
    }
    EXPECT_EQ(shell.statusPosts().size(), posts);

    // The item still shown is the one a change goes to.
    control<QLineEdit>("LabeledEdit1")->setText("8");
    EXPECT_EQ(RecordAt(items(), 22).fields[16], "8");
    EXPECT_EQ(RecordAt(items(), 30).fields[16], "5"); // the unnamed item's own value, untouched
}

TEST_F(ItemPageTest, UnknownClassInField22ShowsNoChoiceAndIsKept) {
    loadSamples();
    RecordAt(items(), 0).fields[22] = "nobody";
    choose(kAll, kHelmet);
    auto* item = control<QComboBox>("ComboBox3");
    ASSERT_EQ(listed().first(), "Ranger Cap");
    item->setCurrentIndex(1); // "Guard Cap", a Knight item
    EXPECT_EQ(control<RadioGroup>("RadioGroup1")->itemIndex(), kKnight);
    item->setCurrentIndex(0);
    EXPECT_EQ(control<RadioGroup>("RadioGroup1")->itemIndex(), -1);
    control<QLineEdit>("LabeledEdit1")->setText("4");
    EXPECT_EQ(RecordAt(items(), 0).fields[16], "4");
    EXPECT_EQ(RecordAt(items(), 0).fields[22], "nobody");
}

TEST_F(ItemPageTest, NameNumberThatIsNotAnIntegerFailsAndKeepsThePage) {
    loadSamples();
    choose(kKnight, kBoots);
    RecordAt(names(), 11).number = "x12";
    RecordAt(items(), 11).fields[1] = "x12";
    choose(kKnight, kBoots);
    ASSERT_EQ(listed(), QStringList{"Guard Boots"});
    try {
        page().showItem(0);
        FAIL();
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'x12' is not a valid integer value");
    }
    EXPECT_FALSE(control<QGroupBox>("GroupBox2")->isEnabled());
    EXPECT_EQ(control<QLabel>("Label4")->text(), "");

    // One pick, one failure box: a pick by key, and the chosen entry chosen again in the open list.
    auto* item = control<QComboBox>("ComboBox3");
    const qsizetype boxes = shell.messages().size();
    QTest::keyClick(item, Qt::Key_Down);
    EXPECT_EQ(shell.messages().size(), boxes + 1);
    item->showPopup();
    QTest::keyClick(item->view(), Qt::Key_Return);
    EXPECT_EQ(shell.messages().mid(boxes),
              QStringList(2, "Brennick v1.14a: 'x12' is not a valid integer value"));
}

TEST_F(ItemPageTest, LargeFilesLoadWholeAndValuesLeftOutAreReportedByFile) {
    std::string itemBytes;
    std::string nameBytes;
    for (int k = 0; k < 4000; ++k) {
        itemBytes += "(item (name " + std::to_string(k) + ") (class weapon bow) (limit archer 1))\r\n";
        nameBytes += "(itemname " + std::to_string(k) + " \"N" + std::to_string(k) + "\")\r\n";
    }
    QSignalSpy itemRows(&page(), &ItemPage::initItemRead);
    loadBytes(itemBytes, "(header 1 \"x\")\r\n" + nameBytes);
    EXPECT_EQ(
        shell.messages(),
        (QStringList{"Confirm: Do you want to load Items Name?",
                     "Warning: ItemName.txt: 2 numbers and names before the first itemname record were left "
                     "out."}));
    ASSERT_EQ(itemRows.count(), 1);
    EXPECT_EQ(itemRows.first().first().toLongLong(), 3999);
    EXPECT_EQ(RecordAt(items(), 3999).fields[1], "3999");
    choose(0, kWeapon);
    EXPECT_EQ(listed().size(), 4000);
    EXPECT_EQ(listed().last(), "N3999");
}
} // namespace
