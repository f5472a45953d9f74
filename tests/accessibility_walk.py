# SPDX-License-Identifier: GPL-3.0-or-later
"""SkarnholtDB as a screen reader meets it. Started on a fresh sample database, it is driven by
keys alone: an army is made and filled from the catalogue, the panes are visited with Tab and
every dialog is opened; each screen is read through the accessibility bus (AT-SPI) as Orca
reads it. Fails on a control without a name, a list of choices without a label, the army or
its budget not read as shown, or a pane or dialog the keys do not reach.
    accessibility_walk.py PROGRAM fr|en
Run by accessibility_test.sh, which gives it a virtual screen, a window manager, a private
D-Bus session and a home of its own."""

import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# A control of one of these kinds is told apart by its name alone.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_TREE,
    pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM,
    pyatspi.ROLE_MENU, pyatspi.ROLE_PAGE_TAB,
}
# Their rows and cells are read by the checks of the army, not one by one.
VIEWS = {pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST,
         pyatspi.ROLE_LIST_BOX}

# What the program says, in each of its languages.
TEXTS = {
    "fr": {
        "army tree": "Hiérarchie de l'armée",
        "stats list": "Statistiques des membres",
        "catalogue": "Catalogue des types d'unités",
        "problems": "Problèmes de l'armée",
        "search": "Rechercher un type d'unité",
        "warchief": r"Tusk-Lord, chef de guerre, (\d+) pts, 0 points de commandement",
        "unit": r"Scarred Warriors, unité de combat, (\d+) pts, 10 figurines",
        "budget": r"Budget 1000, coût (\d+), reste (-?\d+)",
        "quality": "Qualité",
        "strength": r"Force : \d",
        "view menu": "alt+a",
    },
    "en": {
        "army tree": "Army hierarchy",
        "stats list": "Members' statistics",
        "catalogue": "Unit type catalogue",
        "problems": "Army problems",
        "search": "Find a unit type",
        "warchief": r"Tusk-Lord, warchief, (\d+) pts, 0 command points",
        "unit": r"Scarred Warriors, combat unit, (\d+) pts, 10 figures",
        "budget": r"Budget 1000, cost (\d+), rest (-?\d+)",
        "quality": "Quality",
        "strength": r"Strength: \d",
        "view menu": "alt+v",
    },
}

TIMEOUT = 15


class Failure(Exception):
    pass


def wait_for(what, find, timeout=TIMEOUT):
    """What find() gives once it gives something, within the time; the bus's events are
    taken meanwhile, so that what is read is up to date."""
    end = time.monotonic() + timeout
    context = GLib.MainContext.default()
    while True:
        while context.pending():
            context.iteration(False)
        try:
            found = find()
        except GLib.Error:
            found = None  # an object gone while read: read again
        if found:
            return found
        if time.monotonic() > end:
            raise Failure("waited in vain for " + what)
        time.sleep(0.1)


def keys(*sequence):
    subprocess.run(["xdotool", "key", "--delay", "40", *sequence], check=True, timeout=20)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True, timeout=20)


def state(acc, which):
    return acc.getState().contains(which)


def descendants(acc):
    for child in acc:
        if child is None:
            continue
        yield child
        if child.getRole() not in VIEWS:
            yield from descendants(child)


def gone(window):
    try:
        window.clear_cache()
        return not state(window, pyatspi.STATE_SHOWING) or state(window, pyatspi.STATE_DEFUNCT)
    except GLib.Error:
        return True


def rows(view):
    view.clear_cache()
    return [c for c in view if c is not None and c.getRole() != pyatspi.ROLE_TABLE_COLUMN_HEADER]


def labelled(acc):
    return any(relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
               for relation in acc.getRelationSet())


class Reader:
    def __init__(self, program, language):
        self.texts = TEXTS[language]
        self.failures = []
        self.process = subprocess.Popen([program], cwd=os.environ["HOME"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = wait_for("the program on the accessibility bus", self.find_app, 30)

    def find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def active_window(self, role):
        self.app.clear_cache()
        for window in self.app:
            if (window is not None and window.getRole() == role
                    and state(window, pyatspi.STATE_ACTIVE)):
                return window
        return None

    def fail(self, what):
        self.failures.append(what)

    def check(self, screen, root, labels=True):
        """Every control that needs a name has one, and a list of choices its label: a combo
        box's name is its value."""
        for acc in [root, *descendants(root)]:
            role = acc.getRole()
            # A combo box's own list and field are read as the combo box.
            if acc.parent.getRole() == pyatspi.ROLE_COMBO_BOX or role not in NAMED_ROLES:
                continue
            where = f"{screen}: {acc.getRoleName()} in {acc.parent.getRoleName()} " \
                    f"'{acc.parent.name}'"
            if not acc.name.strip():
                self.fail("no name: " + where)
            elif role == pyatspi.ROLE_COMBO_BOX and labels and not labelled(acc):
                self.fail(f"no label: {where}, showing '{acc.name}'")

    def named(self, root, role, name):
        for acc in descendants(root):
            if acc.getRole() == role and acc.name == name:
                return acc
        raise Failure(f"nothing named '{name}'")

    def open(self, screen, *opened_by, role=pyatspi.ROLE_DIALOG, labels=True):
        """The window that keys open, read."""
        keys(*opened_by)
        window = wait_for(screen, lambda: self.active_window(role))
        self.check(screen, window, labels)
        return window

    def close(self, window, *closed_by):
        keys(*closed_by)
        wait_for("the main window back",
                 lambda: gone(window) and self.active_window(pyatspi.ROLE_FRAME))

    def dialog(self, screen, *opened_by, role=pyatspi.ROLE_DIALOG, labels=True):
        """A window opened by keys, read, and closed by Escape."""
        self.close(self.open(screen, *opened_by, role=role, labels=labels), "Escape")


def run(r):
    t = r.texts
    frame = wait_for("the main window", lambda: r.active_window(pyatspi.ROLE_FRAME), 30)
    r.check("main window", frame)

    # An army made and filled by keys: a warchief, a group leader, a unit under him, and a
    # character of another race, which is a problem.
    window = r.open("new army", "ctrl+n")
    type_text("Horde du Croc Noir")
    keys("Tab", "ctrl+a")
    type_text("1000")
    keys("Tab")
    type_text("Orc")
    r.close(window, "Return")
    tree = r.named(frame, pyatspi.ROLE_TREE, t["army tree"])
    for count, (search, choice) in enumerate(
            (("Tusk", ["Down"]), ("Band Leader", ["Down", "Down"]), ("Scarred", ["Down"]),
             ("Serpent Oracle", ["Down"])), 1):
        keys("ctrl+f")
        type_text(search)
        keys("Down", "shift+F10", *choice, "Return")
        wait_for(search + " in the army", lambda: len(rows(tree)) == count)
    r.check("main window with an army", frame)

    # The army read as it is shown: each member with its level and price, the budget strip
    # with the sum of them, the statistics with their titles in full, the problem found.
    spoken = [row.name for row in rows(tree)]
    if not re.fullmatch(t["warchief"], spoken[0]):
        r.fail(f"the warchief is read '{spoken[0]}'")
    if not any(re.fullmatch(t["unit"], name) for name in spoken):
        r.fail(f"no unit read as such among {spoken}")
    points = sum(int(p) for name in spoken for p in re.findall(r", (\d+) pts", name))
    budget = [acc.name for acc in descendants(frame) if re.fullmatch(t["budget"], acc.name)]
    cost_rest = [int(v) for v in re.fullmatch(t["budget"], budget[0]).groups()] if budget else []
    if cost_rest != [points, 1000 - points]:
        r.fail(f"the budget strip is read {budget}, its members cost {points}")
    stats = r.named(frame, pyatspi.ROLE_TREE, t["stats list"])
    cells = [(cell.name, cell.description) for cell in rows(stats)]
    titles = [title.name for title in stats
              if title.getRole() == pyatspi.ROLE_TABLE_COLUMN_HEADER]
    if t["quality"] not in titles:
        r.fail(f"the statistics' titles are read {titles}")
    if not (cells and cells[0][0] == "Tusk-Lord" and re.search(t["strength"], cells[0][1])):
        r.fail(f"the warchief's statistics are read {cells[:1]}")
    problems = r.named(frame, pyatspi.ROLE_LIST, t["problems"])
    if not any("Serpent Oracle" in line.name for line in rows(problems)):
        r.fail("the problem is not read")

    # Every pane by Tab, round to the army's tree: the search field, the catalogue, the army's
    # tree and list, the problems.
    panes = {name: r.named(frame, role, t[name]) for name, role in (
        ("search", pyatspi.ROLE_TEXT), ("catalogue", pyatspi.ROLE_TREE),
        ("army tree", pyatspi.ROLE_TREE), ("stats list", pyatspi.ROLE_TREE),
        ("problems", pyatspi.ROLE_LIST))}

    def focused():
        for name, pane in panes.items():
            pane.clear_cache()
            if state(pane, pyatspi.STATE_FOCUSED):
                return name
        return "elsewhere"

    def moved_from(before):
        now = focused()
        return now if now != before else None

    seen = [focused()]
    while (seen[-1] != "army tree" or not set(panes) <= set(seen)) \
            and len(seen) <= 3 * len(panes):
        keys("Tab")
        seen.append(wait_for("the focus to move on", lambda: moved_from(seen[-1])))
    if not set(panes) <= set(seen):
        r.fail(f"Tab goes round {seen}")

    # The members' dialogs by Enter, the army's by its menu, a question by Delete.
    def selected():
        return [row.name for row in rows(tree) if state(row, pyatspi.STATE_SELECTED)]

    def select(name):
        keys("Home")
        wait_for("the first member", lambda: selected() == spoken[:1])
        for row in range(len(spoken)):
            current = selected()
            if current[0].startswith(name):
                return
            if row + 1 < len(spoken):
                keys("Down")
                wait_for("the next member", lambda: selected() not in ([], current))
        raise Failure("no member " + name)

    select("Tusk")
    r.dialog("leader", "Return")
    select("Scarred")
    r.dialog("combat unit", "Return")
    select("Serpent")
    r.dialog("name", "Return")
    r.dialog("army properties", "shift+F10", "Down", "Down", "Return")
    select("Band")
    r.dialog("deleting a leader", "Delete", role=pyatspi.ROLE_ALERT)

    # The catalogue's type, then each dialog of the menus and keys.
    keys("ctrl+f")
    type_text("Tusk")
    r.dialog("unit type", "Down", "shift+F10", "Down", "Down", "Down", "Return")
    r.dialog("army list", "ctrl+o")
    r.dialog("catalogue viewer", "alt+r", "Return")
    r.dialog("battle list", "alt+b", "Return")
    r.dialog("new battle", "alt+b", "Down", "Return")
    r.dialog("shown races", t["view menu"], "Up", "Return")
    r.dialog("about", t["view menu"], "Right", "Return")
    # Qt's own preview: its zoom is a list of choices without a label, read by its value.
    r.dialog("print preview", "ctrl+p", labels=False)
    keys("ctrl+q")
    r.process.wait(TIMEOUT)


def main():
    program, language = sys.argv[1], sys.argv[2]
    # A program busy drawing may take a while to answer.
    Atspi.set_timeout(10000, 15000)
    reader = Reader(program, language)
    try:
        run(reader)
    except (Failure, subprocess.SubprocessError) as failure:
        reader.fail(str(failure))
    finally:
        if reader.process.poll() is None:
            reader.process.kill()
            reader.process.wait()
    for failure in reader.failures:
        print(f"  {language}: {failure}")
    return 1 if reader.failures else 0


if __name__ == "__main__":
    sys.exit(main())
