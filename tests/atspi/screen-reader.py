"""Reads and drives Kelvane through the accessibility bus, as a screen reader does.

Run by screen-reader.sh inside a private D-Bus session and a virtual X display.
Keys are pressed on the X display with xdotool, as a keyboard sends them; what is
checked is read back over AT-SPI alone: the page tabs, every result on every page
after typing, the polygon's shape changed from the keyboard, the copy
confirmation, the status bar and the material finder's single focus.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TABLE = "Acetal,1.38\r\nMild Steel,7.85\r\nNylon 6,1.14\r\n"
TABS = ["Round", "Polygon", "Flat/Square", "Plate/Sheet", "Tube", "M/I", "Quote"]
MACHINING = ("To machine a bar with these dimensions from a round bar,\n"
             "it would need to have a minimum diameter of:")

# Per page: the keys typed into its boxes (Enter walks them), then each result as
# heard: its caption (the label it is labelled by) and its value (its own name).
PAGES = [
    ("Round", "50\r3000\r4", {
        "Weight per Metre": "3.44 kg",
        "Weight per Bar": "10.31 kg",
        "Total Weight": "41.23 kg"}),
    ("Polygon", "50\r3000\r4", {
        "Weight per Metre": "3.79 kg",
        "Weight per Bar": "11.37 kg",
        "Total Weight": "45.47 kg",
        MACHINING: "57.74 mm"}),
    ("Flat/Square", "50\r20\r3000\r4", {
        "Weight per Metre": "1.75 kg",
        "Weight per Bar": "5.25 kg",
        "Total Weight": "21.00 kg",
        MACHINING: "53.85 mm"}),
    ("Plate/Sheet", "2000\r1000\r10\r3", {
        "Weight per Sq. Metre": "17.50 kg",
        "Weight per Sheet/Plate": "35.00 kg",
        "Total Weight": "105.00 kg"}),
    ("Tube", "60\r5\r3000\r2", {
        "Weight per Metre": "1.51 kg",
        "Weight per Bar": "4.54 kg",
        "Total Weight": "9.07 kg"}),
    ("M/I", "12.7", {
        "Feet": "0'0.1/2\"",
        "Inches": "0.1/2\"",
        "Fractions": "1/2\"",
        "Decimal inches": "0.5\"",
        "Nearest inch": "0\"",
        "Millimetres": "12.7",
        "Centimetres": "1.27",
        "Metres": "0.013",
        "Kilometres": "0",
        "Nearest 25mm": "25"}),
]
# The polygon page after its shape has been changed from the keyboard to "Octagon".
OCTAGON = {"Weight per Metre": "3.62 kg", MACHINING: "54.12 mm"}

failures = []


def check(what, got, expected):
    if got == expected:
        print(f"ok   {what}")
    else:
        print(f"FAIL {what}: heard {got!r}, expected {expected!r}")
        failures.append(what)


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)
    time.sleep(0.4)


def type_walking(text):
    """Types the text, pressing Enter where it holds a carriage return."""
    parts = text.split("\r")
    for i, part in enumerate(parts):
        if part:
            subprocess.run(["xdotool", "type", "--delay", "40", part], check=True)
        if i + 1 < len(parts):
            subprocess.run(["xdotool", "key", "Return"], check=True)
    time.sleep(0.5)


def wait_for(find, what, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    print(f"FAIL {what}: not found")
    sys.exit(1)


class NameChanges:
    """The names announced as changed, as a screen reader is told of them."""

    def __init__(self):
        self.heard = []
        pyatspi.Registry.registerEventListener(self.note, "object:property-change:accessible-name")

    def note(self, event):
        self.heard.append(event.any_data if isinstance(event.any_data, str) else event.source.name)

    def collect(self):
        end = time.time() + 1.0
        context = GLib.MainContext.default()
        while time.time() < end:
            while context.pending():
                context.iteration(False)
            time.sleep(0.05)
        heard, self.heard = self.heard, []
        return heard


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def descendants(acc):
    """Every object under acc that is on display."""
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None or not showing(child):
            continue
        yield child
        yield from descendants(child)


def everything(acc):
    """Every object under acc, shown or not (a menu bar's entries say they are hidden
    while another menu is open)."""
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from everything(child)


def find(root, role, name=None):
    for acc in descendants(root):
        if acc.getRole() == role and (name is None or acc.name == name):
            return acc
    return None


def labelled_by(acc):
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return None


def results(frame):
    """Every label on display that a caption labels: caption -> value heard."""
    heard = {}
    for acc in descendants(frame):
        if acc.getRole() == pyatspi.ROLE_LABEL:
            caption = labelled_by(acc)
            if caption:
                heard[caption] = acc.name
    return heard


def focused(root):
    return [acc for acc in descendants(root) if acc.getState().contains(pyatspi.STATE_FOCUSED)]


def selected_tab(tabs):
    for i in range(tabs.childCount):
        tab = tabs.getChildAtIndex(i)
        if tab.getState().contains(pyatspi.STATE_SELECTED):
            return tab.name
    return None


def main():
    program = sys.argv[1]
    folder = tempfile.mkdtemp()
    try:
        os.makedirs(os.path.join(folder, "bin"))
        os.makedirs(os.path.join(folder, "Data"))
        with open(os.path.join(folder, "Data", "Density_Plastics.csv"), "w", newline="") as table:
            table.write(TABLE)
        shutil.copy(program, os.path.join(folder, "bin", "kelvane"))
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR="1",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=folder,
                           XDG_DATA_HOME=os.path.join(folder, "share"),
                           XDG_CONFIG_HOME=os.path.join(folder, "config"))
        kelvane = subprocess.Popen([os.path.join(folder, "bin", "kelvane")], env=environment,
                                   stderr=subprocess.DEVNULL)
        try:
            run(kelvane.pid)
        finally:
            kelvane.kill()
            kelvane.wait()
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    print(f"{len(failures)} failed" if failures else "all passed")
    sys.exit(1 if failures else 0)


def run(pid):
    desktop = pyatspi.Registry.getDesktop(0)

    def application():
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == pid:
                return app
        return None

    app = wait_for(application, "Kelvane on the accessibility bus")
    frame = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, "Kelvane"), "the main window")
    window = subprocess.run(["xdotool", "search", "--sync", "--name", "^Kelvane$"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    time.sleep(0.5)

    tabs = find(frame, pyatspi.ROLE_PAGE_TAB_LIST, "Pages")
    check("the page row is a page tab list named Pages", tabs is not None, True)
    if tabs is None:
        return
    names = [tabs.getChildAtIndex(i).name for i in range(tabs.childCount)]
    roles = {tabs.getChildAtIndex(i).getRole() for i in range(tabs.childCount)}
    check("every page's tab by name", names, TABS)
    check("every tab is a page tab", roles, {pyatspi.ROLE_PAGE_TAB})

    changes = NameChanges()
    for number, (page, keys, expected) in enumerate(PAGES):
        if number > 0:
            press("ctrl+Tab")
        check(f"{page}: its tab is selected", selected_tab(tabs), page)
        changes.collect()
        type_walking(keys)
        announced = changes.collect()
        heard = results(frame)
        for value in list(expected.values())[-1:]:
            check(f"{page}: the change to {value} is announced", value in announced, True)
        for caption, value in expected.items():
            check(f"{page}: {caption.splitlines()[0]}", heard.get(caption), value)
        if page == "Round":
            copy_by_keys(frame)
        if page == "Polygon":
            shape_by_keys(frame)

    status_bar(frame)
    checkable_entries(frame)
    finder(app)


def copy_by_keys(frame):
    # From the last box: Tab to Clear and Add to Quote, then to the first copy button, which
    # Space presses.
    press("Tab", "Tab", "Tab")
    button = focused(frame)
    check("Tab reaches the first copy button", [b.name for b in button], ["Copy Weight per Metre"])
    press("space")
    if button:
        check("the copy is confirmed where a screen reader reads it", button[0].description,
              "Copied 3.44")
    press("shift+Tab", "shift+Tab", "shift+Tab")


def shape_by_keys(frame):
    press("Tab")
    shape = focused(frame)
    check("Tab reaches the shape drop-down", [s.getRole() for s in shape], [pyatspi.ROLE_COMBO_BOX])
    if not shape:
        return
    check("the shape drop-down is labelled by its caption", labelled_by(shape[0]), "Polygon")
    check("the shape drop-down reads its shape", shape[0].name, "Hexagon")
    press("Down")
    check("Down changes the shape", shape[0].name, "Octagon")
    heard = results(frame)
    for caption, value in OCTAGON.items():
        check(f"Octagon: {caption.splitlines()[0]}", heard.get(caption), value)
    press("shift+Tab")
    press("alt+p")
    check("Alt+P reaches the shape drop-down",
          [s.getRole() for s in focused(frame)], [pyatspi.ROLE_COMBO_BOX])


def status_bar(frame):
    bar = find(frame, pyatspi.ROLE_STATUS_BAR)
    check("the status bar has the status bar role", bar is not None, True)
    if bar is None:
        return
    panels = [acc.name for acc in descendants(bar) if acc.getRole() == pyatspi.ROLE_LABEL]
    check("the material panel", panels[0] if panels else None, "Material: Acetal")
    check("the density panel", bool(panels) and panels[1].startswith("Density: "), True)
    check("the rounding panel with its lamp", panels[2] if len(panels) > 2 else None,
          "Commercial Rounding: On, lamp lit")


def checkable_entries(frame):
    press("alt+o")
    entries = {}
    for acc in everything(find(frame, pyatspi.ROLE_MENU_BAR)):
        if acc.getRole() == pyatspi.ROLE_POPUP_MENU and showing(acc):
            for i in range(acc.childCount):
                entry = acc.getChildAtIndex(i)
                state = entry.getState()
                entries[entry.name] = (entry.getRole(), state.contains(pyatspi.STATE_CHECKED))
    check("Commercial Rounding is a checked check box", entries.get("Commercial Rounding"),
          (pyatspi.ROLE_CHECK_BOX, True))
    check("Fractions is a plain entry", entries.get("Fractions"), (pyatspi.ROLE_MENU_ITEM, False))
    press("Escape", "Escape")


def finder(app):
    press("ctrl+f")
    dialog = wait_for(lambda: find(app, pyatspi.ROLE_DIALOG, "Find Material"), "the finder")
    for keys, what in [("l", "typing"), ("Down", "an arrow key")]:
        if keys == "Down":
            press("Down")
        else:
            type_walking(keys)
        names = [(acc.getRole(), acc.name) for acc in focused(dialog)]
        check(f"the finder has one focus after {what}", names,
              [(pyatspi.ROLE_TEXT, "Part of a material name")])
    type_walking("x")
    check("the finder says when nothing matches",
          find(dialog, pyatspi.ROLE_LABEL, "No material found") is not None, True)
    unnamed = [acc.getRoleName() for acc in descendants(dialog)
               if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON and not acc.name]
    check("every button of the finder is named", unnamed, [])
    press("Escape")


if __name__ == "__main__":
    main()
