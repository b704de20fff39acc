"""What a screen reader hears of the desktop program on the accessibility bus.

Run on a display and a session bus of the test's own:
    xvfb-run -a dbus-run-session -- python3 screen-reader-events.py PROGRAM

Works the program as a screen reader's user would, through AT-SPI alone: types two
folders into the path fields and presses 開始, then opens the trash page and presses
ごみ箱を開く. The program must announce the changes it makes: the overall progress
bar's value, the status bar's new text, the toggle's checked state and the trash
count's text. Exits 1 naming the announcements that did not come.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT_SECONDS = 60


def find(node, role, name):
    """The first accessible below `node` with this role and name."""
    for child in node:
        if child is None:
            continue
        if child.getRoleName() == role and child.name == name:
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def press(accessible):
    actions = accessible.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index) == "Press":
            actions.doAction(index)
            return
    raise RuntimeError(f"{accessible.name} has no Press action")


def main(program):
    work = tempfile.mkdtemp(prefix="qv-a11y-")
    for side in ("A", "B"):
        os.makedirs(f"{work}/{side}/sub")
        for name in ("one.txt", "sub/two.txt"):
            with open(f"{work}/{side}/{name}", "w") as file:
                file.write(side + name)

    heard = []

    def hear(event):
        heard.append((event.type, event.source.name, str(event.any_data)))

    for kind in ("object:state-changed:checked", "object:text-changed:insert",
                 "object:property-change:accessible-name",
                 "object:property-change:accessible-value"):
        pyatspi.Registry.registerEventListener(hear, kind)

    # (event type, source's name, event data) -> whether it is the announcement
    expected = {
        "the overall progress's value":
            lambda t, n, d: t.endswith("accessible-value") and n == "全体の進行",
        "the status bar's new text":
            lambda t, n, d: t == "object:text-changed:insert" and d.startswith("所要時間 "),
        "the status bar's new name":
            lambda t, n, d: t.endswith("accessible-name") and n.startswith("所要時間 "),
        "the trash toggle's checked state":
            lambda t, n, d: t == "object:state-changed:checked" and n.startswith("ごみ箱を"),
        "the trash count's text": lambda t, n, d: t == "object:text-changed:insert" and d == "0 個",
    }

    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       QUORVEX_CONFIG_HOME=f"{work}/config", QUORVEX_DATA_DIR=f"{work}/data/",
                       XDG_RUNTIME_DIR=work, ASAN_OPTIONS="detect_leaks=0")
    process = subprocess.Popen([program], env=environment)
    deadline = time.monotonic() + TIMEOUT_SECONDS

    def application():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Quorvex" and app.childCount > 0:
                return app
        return None

    def steps():
        app = None
        while app is None:
            app = application()
            yield
        find(app, "text", "パス A").queryEditableText().setTextContents(f"{work}/A")
        find(app, "text", "パス B").queryEditableText().setTextContents(f"{work}/B")
        press(find(app, "push button", "開始"))
        while not any(expected["the status bar's new text"](*h) for h in heard):
            yield
        press(find(app, "page tab", "ごみ箱"))
        press(find(app, "push button", "ごみ箱を開く"))
        while not all(any(test(*h) for h in heard) for test in expected.values()):
            yield

    sequence = steps()

    def tick():
        if time.monotonic() > deadline:
            pyatspi.Registry.stop()
            return False
        try:
            next(sequence)
            return True
        except StopIteration:
            pyatspi.Registry.stop()
            return False

    GLib.timeout_add(100, tick)
    pyatspi.Registry.start()
    process.terminate()
    process.wait()

    missing = [what for what, test in expected.items() if not any(test(*h) for h in heard)]
    for what in missing:
        print(f"not announced: {what}", file=sys.stderr)
    if missing:
        print(f"heard: {heard}", file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
