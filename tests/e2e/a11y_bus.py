#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Morvane through the AT-SPI bus, as a screen reader meets it.

Run by a11y_bus.sh, which provides the display, the D-Bus session and the
accessibility bus: a11y_bus.py PROGRAM. Starts the program, reads its
accessible tree, types and presses through the bus, and prints what a
screen reader hears on each page.
"""

import os
import subprocess
import sys
import time
import unittest
import warnings

import pyatspi
from gi.repository import GLib

# pyatspi still calls libatspi's older names; that is no finding of ours.
warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")

PROGRAM = None
MAIN_TITLE = "Morvane Beta 2.0"
PAGES = [
    "Name Interpretation",
    "Birth/Destiny Number",
    "Interpret Number",
    "Character Values",
    "About Us",
]
ANALYSIS_PAGES = PAGES[:3]
# Roles that hold controls rather than being one; Qt marks the tab widget
# focusable, but it hands its focus to the tab bar.
CONTAINERS = {"filler", "panel", "layered pane"}


def poll(condition, what, seconds=5):
    """condition() once it is true, as the events so far leave the tree."""
    deadline = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


def states(accessible):
    return set(accessible.getState().getStates())


def showing(accessible):
    return pyatspi.STATE_SHOWING in states(accessible)


def descendants(accessible):
    """What is shown below accessible: the pages not shown are left out."""
    for child in accessible:
        if child is not None and showing(child):
            yield child
            yield from descendants(child)


def shown(root, role, name):
    """The shown object of this role and name under root, or None."""
    for accessible in descendants(root):
        if accessible.getRoleName() == role and accessible.name == name:
            return accessible
    return None


def targets(accessible, relation):
    names = []
    for rel in accessible.getRelationSet():
        if rel.getRelationType() == relation:
            names += [rel.getTarget(i).name for i in range(rel.getNTargets())]
    return names


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "morvane":
            return app
    return None


def windows(role, name):
    app = application()
    return [w for w in app if w.getRoleName() == role and w.name == name] if app else []


def heard(accessible):
    """A screen reader's line for a control: its label, else its name; role."""
    labels = targets(accessible, pyatspi.RELATION_LABELLED_BY)
    said = "{} ({})".format(labels[0], accessible.name) if labels else accessible.name
    line = "{}, {}".format(said, accessible.getRoleName())
    if accessible.description:
        line += ": " + accessible.description
    return line


class AccessibleTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        cls.log = open("out.log", "w")
        cls.process = subprocess.Popen([PROGRAM], env=env, stdout=cls.log, stderr=cls.log)
        try:
            cls.window = poll(lambda: (windows("dialog", MAIN_TITLE) or [None])[0],
                              "the main window", seconds=30)
        except AssertionError:
            cls.process.kill()
            cls.log.close()
            with open("out.log") as log:
                raise AssertionError("no main window; on the bus: {}\nprogram: {}".format(
                    [(a.name, [(w.getRoleName(), w.name) for w in a])
                     for a in pyatspi.Registry.getDesktop(0) if a is not None],
                    log.read())) from None

    @classmethod
    def tearDownClass(cls):
        # Cancel closes the window, and with it the program, as a click would.
        try:
            if cls.process.poll() is None:
                press(shown(cls.window, "push button", "Cancel"))
            status = cls.process.wait(timeout=10)
        finally:
            if cls.process.poll() is None:
                cls.process.kill()
            cls.log.close()
        if status != 0:
            raise AssertionError("the program exited with {}".format(status))

    def show_page(self, page):
        press(shown(self.window, "page tab", page))
        poll(lambda: pyatspi.STATE_SELECTED in states(shown(self.window, "page tab", page)),
             page + " selected")

    def test_page_tabs_mark_the_shown_page(self):
        # page, the control that has the keyboard once it is shown
        cases = [
            ("Name Interpretation", "Name"),
            ("Birth/Destiny Number", "Day"),
            ("Interpret Number", "Number"),
            ("About Us", None),
            ("Character Values", None),
        ]
        tab_list = [a for a in descendants(self.window) if a.getRoleName() == "page tab list"]
        self.assertEqual(len(tab_list), 1)
        tabs = list(tab_list[0])
        self.assertEqual([t.getRoleName() for t in tabs], ["page tab"] * len(PAGES))
        self.assertEqual([t.name for t in tabs], PAGES)
        self.assertEqual([t.getIndexInParent() for t in tabs], list(range(len(PAGES))))
        for page, field in cases:
            with self.subTest(page=page):
                self.show_page(page)
                selected = [t.name for t in tabs if pyatspi.STATE_SELECTED in states(t)]
                self.assertEqual(selected, [page])
                if field is not None:
                    focused = poll(lambda: [a for a in descendants(self.window)
                                            if pyatspi.STATE_FOCUSED in states(a)
                                            and a.getRoleName() == "text"],
                                   "the focus on " + page)
                    self.assertEqual([a.name for a in focused], [field])

    def test_every_control_that_takes_the_focus_is_named(self):
        for page in PAGES:
            with self.subTest(page=page):
                self.show_page(page)
                controls = [a for a in descendants(self.window)
                            if pyatspi.STATE_FOCUSABLE in states(a)
                            and a.getRoleName() not in CONTAINERS]
                self.assertGreater(len(controls), len(PAGES) + 2, "tabs, OK, Cancel and more")
                print("\n{}:".format(page))
                for control in controls:
                    print("  " + heard(control))
                    self.assertNotIn(control.getRoleName(), ("unknown", "invalid"))
                    self.assertNotEqual(control.name.strip(), "", control.getRoleName())

    def test_fields_are_labelled_by_the_label_beside_them(self):
        # page, role, control, its label (None: labelled by nothing)
        cases = [
            ("Name Interpretation", "text", "Name", "Enter Name:"),
            ("Name Interpretation", "text", "Your Number", "Your Number is:"),
            ("Name Interpretation", "text", "Interpretation", None),
            ("Birth/Destiny Number", "text", "Day", "Day:"),
            ("Birth/Destiny Number", "text", "Month", "Month:"),
            ("Birth/Destiny Number", "text", "Year", "Year:"),
            ("Birth/Destiny Number", "text", "Birth Number", "Birth Number:"),
            ("Birth/Destiny Number", "text", "Destiny Number", "Destiny Number:"),
            ("Birth/Destiny Number", "text", "Birth Number interpretation", None),
            ("Interpret Number", "text", "Number", "Enter Number:"),
            ("Interpret Number", "text", "Interpretation", None),
            ("About Us", "push button", "Morvane on World Wide Web", None),
        ]
        for page, role, name, label in cases:
            with self.subTest(page=page, control=name):
                self.show_page(page)
                control = shown(self.window, role, name)
                self.assertIsNotNone(control)
                expected = [label] if label else []
                self.assertEqual(targets(control, pyatspi.RELATION_LABELLED_BY), expected)
                if label:
                    self.assertEqual(
                        targets(shown(self.window, "label", label), pyatspi.RELATION_LABEL_FOR),
                        [name])

    def test_analyse_now_is_the_default_button_and_ok_is_not(self):
        for page in ANALYSIS_PAGES:
            with self.subTest(page=page):
                self.show_page(page)
                default = {name: pyatspi.STATE_IS_DEFAULT in
                           states(shown(self.window, "push button", name))
                           for name in ("Analyse Now", "OK", "Cancel")}
                self.assertEqual(default, {"Analyse Now": True, "OK": False, "Cancel": False})

    def test_typing_and_pressing_through_the_bus(self):
        # page, (field, text typed), (field, text shown, description)
        cases = [
            ("Name Interpretation", [("Name", "John")],
             [("Name", "john", ""), ("Your Number", "18", "j 1 + o 7 + h 5 + n 5 = 18")]),
            ("Birth/Destiny Number", [("Day", "31"), ("Month", "12"), ("Year", "1999")],
             [("Birth Number", "31", ""), ("Destiny Number", "8", "31 + 12 + 1999 = 2042 -> 8")]),
            ("Interpret Number", [("Number", "60")],
             [("Interpretation", "This number is not a valid number.", "")]),
        ]
        for page, typed, expected in cases:
            with self.subTest(page=page):
                self.show_page(page)
                for field, text in typed:
                    shown(self.window, "text", field).queryEditableText().insertText(
                        0, text, len(text))
                press(shown(self.window, "push button", "Analyse Now"))
                for field, text, description in expected:
                    control = poll(lambda: (lambda c: c if text_of(c) == text else None)(
                        shown(self.window, "text", field)), "{} to read {}".format(field, text))
                    self.assertEqual(control.description, description, field)
                interpretation = [a for a in descendants(self.window)
                                  if pyatspi.STATE_MULTI_LINE in states(a)]
                self.assertTrue(interpretation)
                self.assertTrue(all(text_of(box) for box in interpretation))

    def test_message_boxes_read_out_their_text_and_ok(self):
        # page, button pressed, the box's text
        cases = [
            ("Name Interpretation", "How does this work?",
             "Enter the name you want to numerically analyze. Please note, special character "
             "and numbers are of no consequence and are ignored during analysis."),
            ("Birth/Destiny Number", "Save To File", "There is nothing to save"),
            ("About Us", "Version and Release Date", "Beta 2.0 - Feb 16, 2002"),
        ]
        for page, button, text in cases:
            with self.subTest(page=page, button=button):
                self.show_page(page)
                press(shown(self.window, "push button", button))
                box = poll(lambda: (windows("alert", "morvane") or [None])[0], "the message box")
                labels = [a.name for a in descendants(box) if a.getRoleName() == "label"]
                self.assertEqual(labels, [text])
                ok = shown(box, "push button", "OK")
                self.assertIsNotNone(ok)
                self.assertIn(pyatspi.STATE_IS_DEFAULT, states(ok))
                print("\n{}, {}: alert '{}': {}; {}".format(page, button, box.name, text,
                                                             heard(ok)))
                press(ok)
                poll(lambda: not windows("alert", "morvane"), "the message box to close")


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2, warnings=False)  # keep the filter above
