import os
import unittest

from brennick_e2e import BrennickTestCase

DATA = os.path.join(os.path.dirname(__file__), "..", "data", "e2e-monsters")
NAMES = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "MonsterName.txt")


class UndoTest(BrennickTestCase):
    def save(self, name):
        target = self.scratch(name)
        self.app.click("Button6")
        self.app.answer_file_dialog(target)
        self.app.wait_saved(target, "InitMonster saved! in: " + target)
        return self.read_bytes(target)

    def test_undone_edit_saves_as_before_and_close_asks_about_unsaved_changes(self):
        app = self.app
        app.click_tab("PageControl1", "Monster")
        app.click("Button2")
        app.answer_file_dialog(os.path.join(DATA, "InitMonster.txt"))
        app.answer_message("&Yes")
        app.answer_file_dialog(NAMES)
        app.click_item("ListBox2", "Hill Goblin")
        app.wait_for("Label8", lambda w: w["text"] == "Hill Goblin")
        before = self.save("before.txt")

        app.type_into("LabeledEdit46", "12")
        app.wait_for("Form1", lambda w: w["title"] == "Brennick v1.14a*")
        app.key("ctrl+z")
        app.wait_for("LabeledEdit46", lambda w: w["text"] == "3")
        app.wait_for("Form1", lambda w: w["title"] == "Brennick v1.14a")
        app.screenshot("undo")
        self.assertEqual(self.save("after.txt"), before)

        app.type_into("LabeledEdit47", "77")
        app.menu("Exit")
        box = app.answer_message("Cancel", shot="unsaved-changes")
        self.assertEqual((box["title"], box["text"]), ("Confirm", "Save changes to after.txt?"))
        self.assertTrue(app.find("Form1")["visible"])
        self.assertIsNone(app.program.poll())


if __name__ == "__main__":
    unittest.main()
