"""Takes the pictures of docs/guide.md from the real program and the shipped examples.

The program runs under Xvfb with the test probe preloaded (see tests/e2e); every
window is shown at its own default size, with the sample files copied into a
neutral folder so that no build folder shows in a file dialog.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

from brennick_e2e import Brennick, drag  # noqa: E402

EXAMPLES = os.path.join(ROOT, "examples")


class Camera:
    """Saves what the X server shows of one window or dialog."""

    def __init__(self, app, folder):
        self.app = app
        self.folder = folder

    def window(self, name, picture, *also):
        """The window (or the modal dialog when name is None) and any windows in `also`, together."""
        rects = [self.app.modal() if name is None else self.app.wait_for(name, lambda w: w["visible"])]
        # Without a window manager windows overlap as they were shown: bring this one to the front.
        self.app.xdotool("windowraise", rects[0]["window"])
        rects += [self.app.wait_for(other, lambda w: w["visible"]) for other in also]
        left = min(r["x"] for r in rects)
        top = min(r["y"] for r in rects)
        right = max(r["x"] + r["w"] for r in rects)
        bottom = max(r["y"] + r["h"] for r in rects)
        time.sleep(0.3)
        target = os.path.join(self.folder, picture + ".png")
        subprocess.run(["import", "-window", "root", "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                        "+repage", target], env=self.app.env, check=True)
        print(target)


def take(folder):
    work = tempfile.mkdtemp(prefix="brennick-guide-")
    data = os.path.join(work, "server-data")
    shutil.copytree(EXAMPLES, data, ignore=shutil.ignore_patterns("pictures"))
    # The program starts in the data folder, which its file dialogs show first.
    os.chdir(data)
    app = Brennick(work)
    shot = Camera(app, folder)
    try:
        shot.window("Form1", "main-window")

        app.click("mapa")
        app.wait_modal(lambda m: "buttons" in m)
        shot.window(None, "warning-select-area")
        app.answer_message("OK")

        app.click_tab("PageControl1", "Monster")
        app.click("Button2")
        app.wait_modal(lambda m: "fileNameEdit" in m)
        shot.window(None, "open-dialog")
        app.answer_file_dialog(os.path.join(data, "InitMonster.txt"))
        app.wait_modal(lambda m: "buttons" in m)
        shot.window(None, "names-question")
        app.answer_message("&Yes")
        app.answer_file_dialog(os.path.join(data, "MonsterName.txt"))
        app.wait_for("ListBox2", lambda w: len(w["items"]) > 2)
        app.click_item("ListBox2", app.find("ListBox2")["items"][2]["text"])
        shot.window("Form1", "monster-page")
        app.menu("Load")
        shot.window("Load1", "load-menu", "Form1")
        app.key("Escape")
        app.click("Button6")
        app.wait_modal(lambda m: "fileNameEdit" in m)
        shot.window(None, "save-dialog")
        app.cancel_file_dialog()
        app.type_into("LabeledEdit46", "12")
        app.menu("Edit")
        app._wait_popup()
        shot.window("Edit4", "undo-menu", "Form1")
        app.key("Escape")
        app.menu("Exit")
        app.wait_modal(lambda m: "buttons" in m)
        shot.window(None, "unsaved-changes")
        app.answer_message("Cancel")

        app.click_item("ListBox2", app.find("ListBox2")["items"][0]["text"])
        app.key("ctrl+f")
        app.wait_for("FindEdit", lambda w: w["visible"])
        app.type_text("goblin")
        app.key("F3")
        shot.window("Form1", "find")
        app.key("Escape")

        app.click_tab("PageControl1", "Item")
        app.click("Button5")
        app.answer_file_dialog(os.path.join(data, "InitItem.txt"))
        app.answer_message("&Yes")
        app.answer_file_dialog(os.path.join(data, "ItemName.txt"))
        choose(app, "ComboBox1", "archer")
        choose(app, "ComboBox2", "Helmet")
        choose(app, "ComboBox3", "Ranger Cap")
        shot.window("Form1", "item-page")

        app.click_tab("PageControl1", "Map")
        app.click_tab("PageControl2", "Monsters")
        app.click("Form1/Button1")
        app.answer_file_dialog(os.path.join(data, "GenMonster.txt"))
        app.wait_for("ListBox3", lambda w: len(w["items"]) > 0)
        app.click_item("ListBox3", "Giant Rat")
        app.wait_for("ListBox4", lambda w: len(w["items"]) > 0)
        app.click_item("ListBox4", "1")
        shot.window("Form1", "spawn-page")
        app.click("mapa")
        app.wait_for("Form3/area1", lambda w: w["visible"])
        shot.window("Form3", "area-viewer")

        app.click("ans")
        app.wait_for("Form4", lambda w: w["visible"])
        choose(app, "Form4/ComboBox1", "Grey Wolf")
        app.click("Form4/Button3")
        app.answer_message("OK")
        picture = app.wait_for("Form3/Image1", lambda w: w["visible"])
        drag(app, picture, (30, 20), (90, 70))
        app.wait_for("Form4", lambda w: w["visible"])
        shot.window("Form3", "minimap-armed")
        shot.window("Form4", "add-spawn-dialog")
        app.click("Form4/Button2")

        app.click_item("ListBox3", "Bog Leech")
        app.wait_for("ListBox4", lambda w: any(item["text"] == "9" for item in w["items"]))
        app.click_item("ListBox4", "9")
        app.click("mapa")
        app.wait_for("Form3/area9", lambda w: w["visible"])
        shot.window("Form3", "area-viewer-scrolled")

        app.click_tab("PageControl2", "Portals")
        app.click("letc")
        app.answer_file_dialog(os.path.join(data, "Etc.txt"))
        app.wait_for("ListBox5", lambda w: len(w["items"]) > 0)
        app.click_item("ListBox5", app.find("ListBox5")["items"][0]["text"])
        shot.window("Form1", "portal-page")
        app.click("addnewportal")
        app.wait_for("Form6", lambda w: w["visible"])
        shot.window("Form6", "add-portal-dialog")
    finally:
        app.close()
        shutil.rmtree(work, ignore_errors=True)


def choose(app, name, text):
    """Picks the entry of a drop-down list with this text, as typed on the keyboard."""
    app.click(name)
    app.type_text(text)
    app.key("Return")
    app.wait_for(name, lambda w: w["text"] == text)


if __name__ == "__main__":
    take(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "docs", "pictures")))
