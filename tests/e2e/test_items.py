import os
import unittest

from brennick_e2e import BrennickTestCase

EXAMPLES = os.path.join(os.path.dirname(__file__), "..", "..", "examples")


class ItemPageTest(BrennickTestCase):
    def choose(self, combo, text):
        self.app.click(combo)
        self.app.type_text(text)
        self.app.key("Return")
        self.app.wait_for(combo, lambda w: w["text"] == text)

    def test_class_type_item_edit(self):
        app = self.app
        app.click_tab("PageControl1", "Item")
        self.assertFalse(app.find("ComboBox1")["enabled"])
        app.click("Button5")
        app.answer_file_dialog(os.path.join(EXAMPLES, "InitItem.txt"), title="Select InitItem")
        box = app.answer_message("&Yes")
        self.assertEqual(box["text"], "Do you want to load Items Name?")
        app.answer_file_dialog(os.path.join(EXAMPLES, "ItemName.txt"), title="Select items name")
        app.wait_for("ComboBox1", lambda w: w["enabled"])

        self.choose("ComboBox1", "archer")
        self.choose("ComboBox2", "Helmet")
        self.choose("ComboBox3", "Ranger Cap")
        self.assertEqual(app.wait_for("id", lambda w: w["text"] == "1")["text"], "1")
        self.assertEqual(app.find("Buy")["text"], "100")
        self.assertEqual(app.find("Sell")["text"], "25")
        app.screenshot("item-page")

        app.type_into("Sell", "30")
        app.wait_for("StatusBar1", lambda w: w["text"] == "Saved!")
        app.click("CheckBox10")
        self.assertEqual(app.wait_for("Buy", lambda w: not w["enabled"])["text"], "0")
        app.click("CheckBox10")
        self.assertEqual(app.wait_for("Buy", lambda w: w["enabled"])["text"], "100")

        # Another item and back: the edits live in the table.
        self.choose("ComboBox2", "Armor")
        self.choose("ComboBox3", "Ranger Vest")
        app.wait_for("id", lambda w: w["text"] == "2")
        self.choose("ComboBox2", "Helmet")
        self.choose("ComboBox3", "Ranger Cap")
        app.wait_for("id", lambda w: w["text"] == "1")
        self.assertEqual(app.find("Sell")["text"], "30")
        self.assertEqual(app.find("Buy")["text"], "100")


if __name__ == "__main__":
    unittest.main()
