import unittest

from brennick_e2e import BrennickTestCase


class ShellTest(BrennickTestCase):
    def test_starts_on_the_map_page(self):
        window = self.app.find("Form1")
        self.assertEqual(window["title"], "Brennick v1.14a")
        tabs = self.app.find("PageControl1")
        shown = [tab["text"] for tab in tabs["items"] if tab["shown"]]
        self.assertEqual(shown, ["Item", "Monster", "Map"])
        self.assertEqual(tabs["current"], "TabSheet9")
        self.app.screenshot("main-window")

    def test_about_then_exit(self):
        self.app.menu("About")
        box = self.app.answer_message("OK")
        self.assertEqual(box["title"], "Information")
        self.assertTrue(box["text"].startswith("Brennick v1.14a\n\n"))
        self.app.menu("Exit")
        self.assertEqual(self.app.program.wait(timeout=10), 0)


if __name__ == "__main__":
    unittest.main()
