import os
import unittest

from brennick_e2e import BrennickTestCase

DATA = os.path.join(os.path.dirname(__file__), "..", "data", "e2e-portals")


class PortalCycleTest(BrennickTestCase):
    def test_load_show_add_and_save(self):
        app = self.app
        app.click_tab("PageControl2", "Portals")
        app.click("letc")
        app.answer_file_dialog(os.path.join(DATA, "Etc.txt"))
        app.wait_for("StatusBar1", lambda w: w["text"] == "Etc.txt loaded!")
        portals = app.wait_for("ListBox5", lambda w: len(w["items"]) == 2)
        self.assertEqual([item["text"] for item in portals["items"]],
                         ["Portal from map: 3 to map:5   gate", "Portal from map: 0 to map:1  "])
        self.assertFalse(app.find("PortalShow")["enabled"])

        app.click_item("ListBox5", "Portal from map: 3 to map:5   gate")
        self.assertEqual(app.wait_for("Form1/SpinEdit13", lambda w: w["text"] == "38400")["text"], "38400")
        self.assertEqual(app.find("Form1/Label34")["text"], "1200")
        self.assertTrue(app.find("Form1/CheckBox12")["checked"])
        self.assertEqual(app.find("Form1/Edit3")["text"], " gate")
        app.screenshot("portal-page")

        app.click("addnewportal")
        app.wait_for("Form6", lambda w: w["visible"])
        for name, value in [("SpinEdit17", "2"), ("SpinEdit13", "6400"), ("SpinEdit14", "3200"),
                            ("SpinEdit15", "6431"), ("SpinEdit16", "-40"), ("SpinEdit22", "4"),
                            ("SpinEdit18", "100"), ("SpinEdit19", "200"), ("SpinEdit20", "0")]:
            app.type_into("Form6/" + name, value)
        self.assertEqual(app.find("Form6/Label38")["text"], "-1")
        app.type_into("Form6/Edit3", " gate2")
        app.click("Form6/CheckBox12")
        app.screenshot("add-portal-dialog")
        app.click("Form6/Button1")
        app.wait_for("Form6", lambda w: not w["visible"])
        app.wait_for("ListBox5", lambda w: len(w["items"]) == 3)

        target = self.scratch("Etc.txt")
        app.click("setc")
        app.answer_file_dialog(target)
        self.assertEqual(self.read_bytes(target), self.read_bytes(os.path.join(DATA, "expected.txt")))


if __name__ == "__main__":
    unittest.main()
