import os
import unittest

from brennick_e2e import BrennickTestCase

DATA = os.path.join(os.path.dirname(__file__), "..", "data", "e2e-monsters")
NAMES = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "MonsterName.txt")


class MonsterCycleTest(BrennickTestCase):
    def load(self):
        app = self.app
        app.click_tab("PageControl1", "Monster")
        app.click("Button2")
        app.answer_file_dialog(os.path.join(DATA, "InitMonster.txt"), title="Select InitMonster", shot="open-dialog")
        box = app.answer_message("&Yes", shot="names-question")
        self.assertEqual((box["title"], box["text"]), ("Confirm", "Do you want to load Monsters Name?"))
        app.answer_file_dialog(NAMES, title="Select file with monsters name")
        listed = app.wait_for("ListBox2", lambda w: len(w["items"]) == 3)
        self.assertEqual([item["text"] for item in listed["items"]], ["Giant Rat", "Hill Goblin", "Cave Spider"])

    def test_load_edit_change_exp_and_save(self):
        app = self.app
        self.load()
        app.click_item("ListBox2", "Hill Goblin")
        self.assertEqual(app.wait_for("Label8", lambda w: w["text"] == "Hill Goblin")["text"], "Hill Goblin")
        self.assertEqual(app.find("LabeledEdit46")["text"], "3")
        self.assertFalse(app.find("CheckBox15")["checked"])
        app.type_into("LabeledEdit46", "12a")
        app.click("CheckBox15")
        app.screenshot("monster-page")

        app.click("RadioButton1")
        app.type_into("SpinEdit5", "5")
        app.click("Button7")
        app.wait_for("StatusBar1", lambda w: w["text"] == "EXP changed for ALL Monsters!")

        target = self.scratch("InitMonster.txt")
        app.click("Button6")
        app.answer_file_dialog(target, shot="save-dialog")
        app.wait_saved(target, "InitMonster saved! in: " + target)
        self.assertEqual(self.read_bytes(target), self.read_bytes(os.path.join(DATA, "expected.txt")))

    def test_keep_comments_and_layout_changes_only_the_edited_monster(self):
        app = self.app
        app.menu("Options", "Keep comments and layout")
        self.load()
        app.click_item("ListBox2", "Hill Goblin")
        app.wait_for("Label8", lambda w: w["text"] == "Hill Goblin")
        app.type_into("LabeledEdit46", "4")

        target = self.scratch("InitMonster.txt")
        app.click("Button6")
        app.answer_file_dialog(target)
        app.wait_saved(target, "InitMonster saved! in: " + target)
        self.assertEqual(self.read_bytes(target), self.read_bytes(os.path.join(DATA, "kept.txt")))

    def test_cancelled_save_writes_nothing(self):
        app = self.app
        self.load()
        app.click("Button6")
        app.cancel_file_dialog()
        self.assertFalse(os.path.exists(self.scratch("InitMonster.txt")))


if __name__ == "__main__":
    unittest.main()
