# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The window used with the keyboard alone: the first focus, Space on a button, Tab and
Shift+Tab along the tab order, typing into the box that has the focus, and the save dialog.

The walks act at nearly every stop, each time leaving a mark of their own in the saved page,
so a stop out of order, skipped or typed into the wrong box changes the file."""

from registry import case

# What is done at a stop: press Space (a button), type text at the end of a box, or pass.
SPACE = "space"
PASS = None


def end_and_type(text):
    return ("ctrl+End", text)


def walk(session, direction, stops):
    """Moves the focus once per stop with the given key, then acts on the stop."""
    for label, action in stops:
        session.keys(session.main_window, direction)
        act(session, label, action)


def act(session, label, action):
    if action is PASS:
        return
    print(f"    at {label}: {action}")
    if action == SPACE:
        session.keys(session.main_window, SPACE)
    else:
        keys, text = action
        session.keys(session.main_window, keys)
        session.type(session.main_window, text)


def save_by_keys(session, path):
    """Space on the focused Save button, then the dialog with keys alone."""
    session.keys(session.main_window, SPACE)
    session.enter_file_name(session.wait_for_save_dialog(), path)


@case()
def tab_walks_the_tab_order_forwards(session):
    session.step("Space on the button that has the focus at start")
    act(session, "</html>", SPACE)

    session.step("Tab through every stop up to Save, acting at each")
    walk(session, "Tab", [
        ("Link", SPACE),
        ("Image", SPACE),
        ("main box", end_and_type("Hi")),
        ("<br>", SPACE),
        ("<B>", SPACE),
        ("<I>", SPACE),
        ("</I>", SPACE),
        ("scratch box", end_and_type("T")),
        ("Dragdown", SPACE),
        ("</B>", SPACE),
        ("<html>", SPACE),
        ("</br>", SPACE),
        ("link target", end_and_type("u")),
        ("image source", end_and_type("i")),
        ("link caption", end_and_type("c")),
        ("<P>", SPACE),
        ("<Body>", SPACE),
        ("</Body>", SPACE),
        ("Clear Main", PASS),
        ("Save", PASS),
    ])

    session.step("save with the keyboard")
    save_by_keys(session, session.path("forward.html"))
    scratch = b'Test\r\n<a href =""></a><img SRC="">T'
    page = b"</html>Hi<br><B><I></I>" + scratch + b"</B><html></br><P><Body></Body>"
    session.expect_file(session.path("forward.html"), page)

    session.step("Tab past the last stop wraps to the first; Tab on to Link and Image")
    walk(session, "Tab", [
        ("Clear Test", SPACE),
        ("</html>", SPACE),
        ("Link", SPACE),
        ("Image", SPACE),
    ])

    session.step("Shift+Tab back to Clear Main and Dragdown, then forwards to Save")
    walk(session, "shift+Tab", [
        ("Link", PASS),
        ("</html>", PASS),
        ("Clear Test", PASS),
        ("Save", PASS),
        ("Clear Main", SPACE),
        ("</Body>", PASS),
        ("<Body>", PASS),
        ("<P>", PASS),
        ("link caption", PASS),
        ("image source", PASS),
        ("link target", PASS),
        ("</br>", PASS),
        ("<html>", PASS),
        ("</B>", PASS),
        ("Dragdown", SPACE),
    ])
    walk(session, "Tab", [(label, PASS) for label in [
        "</B>", "<html>", "</br>", "link target", "image source", "link caption", "<P>",
        "<Body>", "</Body>", "Clear Main", "Save"]])
    save_by_keys(session, session.path("fields.html"))
    session.expect_file(session.path("fields.html"), b'<a href ="u">c</a><img SRC="i">')


@case()
def shift_tab_walks_the_tab_order_backwards(session):
    session.step("Space at start, then Shift+Tab through every stop back to the first")
    act(session, "</html>", SPACE)
    walk(session, "shift+Tab", [
        ("Clear Test", SPACE),
        ("Save", PASS),
        ("Clear Main", SPACE),
        ("</Body>", SPACE),
        ("<Body>", SPACE),
        ("<P>", SPACE),
        ("link caption", end_and_type("cap")),
        ("image source", end_and_type("img")),
        ("link target", end_and_type("url")),
        ("</br>", SPACE),
        ("<html>", SPACE),
        ("</B>", SPACE),
        ("Dragdown", PASS),
        ("scratch box", end_and_type("t")),
        ("</I>", SPACE),
        ("<I>", SPACE),
        ("<B>", SPACE),
        ("<br>", SPACE),
        ("main box", end_and_type("m")),
        ("Image", SPACE),
        ("Link", SPACE),
        ("</html>", SPACE),
    ])

    session.step("Tab to Dragdown and on to Save, then save with the keyboard")
    walk(session, "Tab", [(label, PASS) for label in [
        "Link", "Image", "main box", "<br>", "<B>", "<I>", "</I>", "scratch box"]])
    walk(session, "Tab", [("Dragdown", SPACE)])
    walk(session, "Tab", [(label, PASS) for label in [
        "</B>", "<html>", "</br>", "link target", "image source", "link caption", "<P>",
        "<Body>", "</Body>", "Clear Main", "Save"]])
    save_by_keys(session, session.path("backward.html"))
    session.expect_file(session.path("backward.html"),
                        b"</Body><Body><P></br><html></B></I><I><B><br>m</html>"
                        b't<img SRC="img"><a href ="url">cap</a>')
