# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
"""What a screen reader finds in the running program, over the real AT-SPI bus.

    a11y-probe.py main   every field has a name and a description, every button
                         and picture a name
    a11y-probe.py list   the command list can be read but not changed

Prints what it checked; exits non-zero on the first fault.
"""
import sys
import time

import pyatspi

FIRST_LINE = "         Those AT Command only need be executed once more"


def program():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and "brenvik" in (app.name or "").lower():
                return app
        time.sleep(0.1)
    sys.exit("the program did not appear on the accessibility bus")


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def check(condition, what):
    if not condition:
        sys.exit("FAILED: " + what)


def main_window(app):
    fields = images = buttons = 0
    for node in nodes(app):
        role = node.getRole()
        if role == pyatspi.ROLE_TEXT:
            fields += 1
            check(node.name and node.description, f"field {node.name!r} lacks a name or a description")
        elif role == pyatspi.ROLE_IMAGE:
            images += 1
            check(node.name, "a picture has no name")
        elif role == pyatspi.ROLE_PUSH_BUTTON and showing(node):
            buttons += 1
            check(node.name, "a button has no name")
    check(fields == 5 and images == 1 and buttons > 0,
          f"found {fields} fields, {images} pictures and {buttons} buttons on show")
    print(f"main window: {fields} fields with name and description, {images} named picture, "
          f"{buttons} named buttons on show")


def command_list(app):
    texts = [node for node in nodes(app) if node.getRole() == pyatspi.ROLE_TEXT
             and node.getState().contains(pyatspi.STATE_READ_ONLY)]
    check(len(texts) == 1, f"found {len(texts)} read-only texts")
    memlog = texts[0]
    text = memlog.queryText()
    shown = text.getText(0, -1)
    check(shown.split("\n")[0] == FIRST_LINE, "the list's first line is not readable")
    check("EditableText" not in memlog.get_interfaces(), "the list offers EditableText")
    check(not memlog.getState().contains(pyatspi.STATE_EDITABLE), "the list says it is editable")
    text.setSelection(0, 9, 14)
    check(text.getText(0, -1) == shown, "the list changed")
    print(f"command list: {text.characterCount} characters readable, selectable, "
          f"interfaces {', '.join(memlog.get_interfaces())}; no EditableText")


{"main": main_window, "list": command_list}[sys.argv[1]](program())
