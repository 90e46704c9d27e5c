import os
import subprocess
import unittest

from brennick_e2e import BrennickTestCase, drag

DATA = os.path.join(os.path.dirname(__file__), "..", "data", "e2e-spawns")
POINT = os.path.join(os.path.dirname(__file__), "..", "data", "e2e-spawns-point")
NAMES = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "MonsterName.txt")


class SpawnCycleTest(BrennickTestCase):
    def test_load_edit_add_by_drag_and_save(self):
        app = self.app
        app.click("mapa")
        warning = app.answer_message("OK", shot="warning-select-area")
        self.assertEqual((warning["title"], warning["text"]), ("Warning", "Please select Area"))
        app.click("ans")
        warning = app.answer_message("OK")
        self.assertEqual(warning["text"], "Please load GenMonster and Monsters name")

        app.click("Form1/Button1")
        app.answer_file_dialog(os.path.join(DATA, "GenMonster.txt"), title="Select GenMonster")
        app.answer_message("&Yes")
        app.answer_file_dialog(NAMES)
        monsters = app.wait_for("ListBox3", lambda w: len(w["items"]) == 2)
        self.assertEqual([item["text"] for item in monsters["items"]], ["Giant Rat", "Hill Goblin"])

        app.click_item("ListBox3", "Hill Goblin")
        areas = app.wait_for("ListBox4", lambda w: len(w["items"]) == 2)
        self.assertEqual([item["text"] for item in areas["items"]], ["7", "9"])
        app.click_item("ListBox4", "7")
        self.assertEqual(app.wait_for("Form1/SpinEdit8", lambda w: w["text"] == "224000")["text"], "224000")
        self.assertFalse(app.find("Form1/SpinEdit10")["enabled"])
        app.type_into("Form1/SpinEdit6", "8")
        app.click("CheckBox13")
        app.screenshot("spawn-page")

        app.click("mapa")
        viewer = app.wait_for("Form3", lambda w: w["visible"])
        app.wait_for("Form3/area7", lambda w: w["visible"])
        subprocess.run(["xdotool", "windowsize", viewer["window"], "560", "760"], env=app.env, check=True)
        marker = app.wait_for("Form3/area7", lambda w: w["visible"])
        app.xdotool("mousemove", "--sync", str(marker["x"] + marker["w"] // 2), str(marker["y"] + marker["h"] // 2))
        info = app.wait_for("Form3/Label1", lambda w: w["visible"])
        self.assertEqual(info["text"], "Hill Goblin  area: 7")
        self.assertTrue(app.find("Form3")["title"].startswith("Map    Coordinates   X: "))
        app.screenshot("area-viewer")

        app.click("ans")
        app.wait_for("Form4", lambda w: w["visible"])
        app.click("Form4/ComboBox1")
        app.type_text("Cave Spider")
        app.key("Return")
        app.type_into("Form4/SpinEdit6", "3")
        app.type_into("Form4/SpinEdit7", "500")
        app.click("Form4/Button3")
        box = app.answer_message("OK")
        self.assertEqual(box["title"], "Information")
        picture = app.wait_for("Form3/Image1", lambda w: w["visible"] and w["w"] >= 150 and w["h"] >= 260)
        viewer = app.find("Form3")
        # Make the viewer large enough to show the part of the minimap the drag crosses.
        subprocess.run(["xdotool", "windowsize", viewer["window"], "700", "700"], env=app.env, check=True)
        picture = app.wait_for("Form3/Image1", lambda w: w["visible"])
        app.screenshot("minimap-armed")
        drag(app, picture, (100, 200), (150, 260))
        self.assertEqual(app.wait_for("Form4/SpinEdit8", lambda w: w["text"] == "219322")["text"], "219322")
        self.assertEqual(app.find("Form4/SpinEdit9")["text"], "311040")
        self.assertEqual(app.find("Form4/SpinEdit10")["text"], "222522")
        self.assertEqual(app.find("Form4/SpinEdit11")["text"], "314880")
        app.screenshot("add-spawn-dialog")
        app.click("Form4/Button1")
        app.wait_for("Form4", lambda w: not w["visible"])
        # The page lists the new spawn at once, chosen, so that "Show area" draws it.
        app.wait_for("StatusBar1", lambda w: w["text"] == "Spawn added: area 10")
        monsters = app.find("ListBox3")
        self.assertEqual([item["text"] for item in monsters["items"]], ["Giant Rat", "Hill Goblin", "Cave Spider"])
        self.assertEqual(monsters["currentRow"], 2)
        areas = app.find("ListBox4")
        self.assertEqual([(item["text"], item["selected"]) for item in areas["items"]], [("10", True)])
        app.click("mapa")
        app.wait_for("Form3/area10", lambda w: w["visible"])
        app.screenshot("spawn-added")

        target = self.scratch("GenMonster.txt")
        app.click("SGM")
        app.answer_file_dialog(target)
        app.wait_saved(target, "GenMonster saved! in: " + target)
        self.assertEqual(self.read_bytes(target), self.read_bytes(os.path.join(DATA, "expected.txt")))

    def test_point_spawn_shown_edited_drawn_and_saved(self):
        app = self.app
        app.click("Form1/Button1")
        app.answer_file_dialog(os.path.join(POINT, "GenMonster.txt"), title="Select GenMonster")
        app.answer_message("&Yes")
        app.answer_file_dialog(NAMES)
        app.click_item("ListBox3", "Giant Rat")
        app.wait_for("ListBox4", lambda w: len(w["items"]) == 1)
        app.click_item("ListBox4", "3")
        app.wait_for("Label35", lambda w: w["text"] == "Giant Rat")
        self.assertEqual(app.find("Form1/SpinEdit8")["text"], "")
        app.type_into("Form1/SpinEdit6", "8")
        app.click("mapa")
        app.wait_for("Form3/area3", lambda w: w["visible"])
        target = self.scratch("GenMonster.txt")
        app.click("SGM")
        app.answer_file_dialog(target)
        app.wait_saved(target, "GenMonster saved! in: " + target)
        self.assertEqual(self.read_bytes(target), self.read_bytes(os.path.join(POINT, "expected.txt")))
        self.assertFalse(app.modal().get("found"))


if __name__ == "__main__":
    unittest.main()
