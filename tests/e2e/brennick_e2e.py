"""Drives the real Brennick program in a virtual X server, as a person would.

The program runs as its own process under Xvfb with a test-only probe library
preloaded; the probe tells where each control (found by objectName) is on the
screen, and xdotool moves the real pointer, clicks and types there.
"""

import json
import os
import shutil
import socket
import subprocess
import tempfile
import time
import unittest

BINARY = os.environ.get("BRENNICK_BINARY", "")
PROBE = os.environ.get("BRENNICK_PROBE", "")
SHOTS = os.environ.get("BRENNICK_SHOTS", tempfile.gettempdir())
TIMEOUT = 10.0


class ProgramEnded(Exception):
    pass


class Brennick:
    """One running program in its own X server."""

    def __init__(self, workdir):
        self.workdir = workdir
        self.display = self._start_x()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.socket_path = os.path.join(workdir, "probe.sock")
        program_env = dict(self.env, LD_PRELOAD=PROBE, BRENNICK_PROBE_SOCKET=self.socket_path)
        self.log = open(os.path.join(workdir, "program.log"), "w")
        self.program = subprocess.Popen([BINARY], env=program_env, stdout=self.log, stderr=subprocess.STDOUT)
        self.connection = self._connect()
        self.wait_for("Form1", lambda w: w["visible"])

    # --- set-up -----------------------------------------------------------
    def _start_x(self):
        # Xvfb picks a free display itself and writes its number to the pipe.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        return f":{number}"

    def _connect(self):
        deadline = time.time() + TIMEOUT
        while time.time() < deadline:
            if self.program.poll() is not None:
                raise ProgramEnded("the program ended during start-up")
            connection = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            try:
                connection.connect(self.socket_path)
                return connection.makefile("rw")
            except OSError:
                connection.close()
                time.sleep(0.1)
        raise RuntimeError("the probe did not answer")

    def close(self):
        self.connection.close()
        if self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.xvfb.terminate()
        self.xvfb.wait()
        self.log.close()

    # --- asking the probe ---------------------------------------------------
    def ask(self, **request):
        if self.program.poll() is not None:
            raise ProgramEnded(f"the program ended with {self.program.returncode}")
        self.connection.write(json.dumps(request) + "\n")
        self.connection.flush()
        line = self.connection.readline()
        if not line:
            raise ProgramEnded("the probe connection closed")
        return json.loads(line)

    def find(self, name):
        return self.ask(cmd="find", name=name)

    def modal(self):
        return self.ask(cmd="modal")

    def wait_for(self, name, condition=lambda w: True, timeout=TIMEOUT):
        deadline = time.time() + timeout
        while True:
            widget = self.find(name)
            if widget.get("found") and condition(widget):
                return widget
            if time.time() > deadline:
                raise AssertionError(f"{name} did not become ready: {widget}")
            time.sleep(0.05)

    def wait_saved(self, path, status, timeout=TIMEOUT):
        """Waits for a save to write path (saves are atomic: once there, it is whole). The status line then shows
        status, unless the status timer, left running by an earlier message, has cleared it already."""
        deadline = time.time() + timeout
        while not os.path.exists(path):
            if time.time() > deadline:
                raise AssertionError(f"nothing was saved to {path}")
            time.sleep(0.05)
        text = self.find("StatusBar1")["text"]
        if text not in (status, ""):
            raise AssertionError(f"the status line says {text!r} after saving {path}")

    def wait_modal(self, condition=lambda m: True, timeout=TIMEOUT):
        deadline = time.time() + timeout
        while True:
            dialog = self.modal()
            if dialog.get("found") and dialog.get("visible") and condition(dialog):
                time.sleep(0.15)
                return self.modal()
            if time.time() > deadline:
                raise AssertionError(f"no dialog appeared: {dialog}")
            time.sleep(0.05)

    def wait_closed(self, dialog, timeout=TIMEOUT):
        """Waits until this dialog is no longer the one in front (another one may follow it)."""
        deadline = time.time() + timeout
        while True:
            now = self.modal()
            if not now.get("found") or (now["name"], now["class"], now.get("text")) != (
                    dialog["name"], dialog["class"], dialog.get("text")):
                return
            if time.time() > deadline:
                raise AssertionError(f"the dialog stayed open: {now}")
            time.sleep(0.05)

    # --- real input ---------------------------------------------------------
    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def click_at(self, rect, x=None, y=None):
        px = rect["x"] + (rect["w"] // 2 if x is None else x)
        py = rect["y"] + (rect["h"] // 2 if y is None else y)
        self.xdotool("mousemove", "--sync", str(px), str(py))
        time.sleep(0.05)
        self.xdotool("click", "1")
        time.sleep(0.15)

    def click(self, name):
        self.click_at(self.wait_for(name, lambda w: w["visible"] and w["enabled"]))

    def type_text(self, text):
        if text:
            self.xdotool("type", "--delay", "15", "--", text)
        time.sleep(0.1)

    def key(self, *keys):
        self.xdotool("key", *keys)
        time.sleep(0.1)

    def type_into(self, name, text):
        self.click(name)
        self.key("ctrl+a")
        self.key("BackSpace")
        self.type_text(text)

    def click_tab(self, tabs_name, caption):
        tabs = self.wait_for(tabs_name, lambda w: w["visible"])
        for tab in tabs["items"]:
            if tab["text"] == caption and tab["shown"]:
                self.click_at(tab)
                return
        raise AssertionError(f"no tab {caption} in {tabs_name}")

    def click_item(self, list_name, text, occurrence=0):
        box = self.wait_for(list_name, lambda w: w["visible"])
        matches = [item for item in box["items"] if item["text"] == text]
        if len(matches) <= occurrence:
            raise AssertionError(f"no item {text!r} in {list_name}: {[i['text'] for i in box['items']]}")
        self.click_at(matches[occurrence])

    def menu(self, *path):
        bar = self.wait_for("MainMenu1", lambda w: w["visible"])
        items = bar["items"]
        for depth, caption in enumerate(path):
            entry = next((item for item in items if item["text"] == caption), None)
            if entry is None:
                raise AssertionError(f"no menu item {caption}")
            self.click_at(entry)
            if depth + 1 < len(path):
                popup = self._wait_popup()
                items = popup["items"]

    def _wait_popup(self):
        deadline = time.time() + TIMEOUT
        while time.time() < deadline:
            popup = self.ask(cmd="popup")
            if popup.get("found"):
                time.sleep(0.1)
                return self.ask(cmd="popup")
            time.sleep(0.05)
        raise AssertionError("no menu opened")

    # --- dialogs ------------------------------------------------------------
    def answer_file_dialog(self, path, title=None, shot=None):
        dialog = self.wait_modal(lambda m: "fileNameEdit" in m)
        if shot:
            self.screenshot(shot)
        if title is not None and dialog["title"] != title:
            raise AssertionError(f"file dialog titled {dialog['title']!r}, expected {title!r}")
        self.click_at(dialog["fileNameEdit"])
        self.key("ctrl+a")
        self.key("BackSpace")
        self.type_text(path)
        self.key("Return")
        self.wait_closed(dialog)
        return dialog

    def cancel_file_dialog(self):
        dialog = self.wait_modal(lambda m: "fileNameEdit" in m)
        self.key("Escape")
        self.wait_closed(dialog)
        return dialog

    def answer_message(self, button, shot=None):
        box = self.wait_modal(lambda m: "buttons" in m)
        if shot:
            self.screenshot(shot)
        entry = next((b for b in box["buttons"] if b["text"] == button), None)
        if entry is None:
            raise AssertionError(f"no button {button!r} in {box}")
        self.click_at(entry)
        self.wait_closed(box)
        return box

    def screenshot(self, name):
        os.makedirs(SHOTS, exist_ok=True)
        target = os.path.join(SHOTS, name + ".png")
        subprocess.run(["import", "-window", "root", target], env=self.env, check=True)
        # Cut the empty screen around the windows.
        subprocess.run(["convert", target, "-trim", "+repage", target], check=True)
        return target


class BrennickTestCase(unittest.TestCase):
    """Starts a fresh program for every test, with a scratch folder."""

    def setUp(self):
        self.workdir = tempfile.mkdtemp(prefix="brennick-e2e-")
        self.app = Brennick(self.workdir)

    def tearDown(self):
        self.app.close()
        shutil.rmtree(self.workdir, ignore_errors=True)

    def scratch(self, name):
        return os.path.join(self.workdir, name)

    @staticmethod
    def read_bytes(path):
        with open(path, "rb") as handle:
            return handle.read()


def drag(app, rect, start, end):
    """Presses the left button at start, moves in steps to end and releases (offsets inside rect)."""
    sx, sy = rect["x"] + start[0], rect["y"] + start[1]
    ex, ey = rect["x"] + end[0], rect["y"] + end[1]
    app.xdotool("mousemove", "--sync", str(sx), str(sy))
    time.sleep(0.1)
    app.xdotool("mousedown", "1")
    time.sleep(0.1)
    steps = 5
    for step in range(1, steps + 1):
        x = sx + (ex - sx) * step // steps
        y = sy + (ey - sy) * step // steps
        app.xdotool("mousemove", "--sync", str(x), str(y))
        time.sleep(0.05)
    app.xdotool("mouseup", "1")
    time.sleep(0.2)
