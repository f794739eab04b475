# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The window as the X server sees it, its controls hit at their places, and closing it."""

import layout
from registry import case
from session import check

TAG_BUTTONS_ON_SCREEN = [("cmdhtm", 1), ("cmdhtm", 0), ("cmdItalic", 0), ("cmdItalic", 1),
                         ("cmdBR", 0), ("cmdBR", 1), ("cmdBold", 0), ("cmdBold", 1),
                         ("cmdBody", 0), ("cmdBody", 1), ("cmdPara", -1)]
TAGS_ON_SCREEN = b"<html></html><I></I><br></br><B></B><Body></Body><P>"
TAGS_TWICE = b"<html><html></html></html><I><I></I></I><br><br></br></br><B><B></B></B>" \
             b"<Body><Body></Body></Body><P><P>"


@case()
def window_has_its_title_and_client_area(session):
    session.step("read the window's title and size from the X server")
    check(session.title(session.main_window) == "Tagwright",
          f"the title is {session.title(session.main_window)!r}")
    info = session.window_info(session.main_window)
    size = (int(info["Width"]), int(info["Height"]))
    check(session.scale >= 1 and abs(size[1] - layout.CLIENT_HEIGHT * session.scale) <= 1,
          f"the client area is {size[0]} x {size[1]} pixels, not 542 x 632 grown by one factor")


@case()
def every_control_works_where_the_layout_puts_it(session):
    session.step("click the eleven tag buttons from left to right")
    for name, index in TAG_BUTTONS_ON_SCREEN:
        session.click(name, index)

    session.step("type into the three one-line fields")
    for field, text in [("txtIMG", "pic.gif"), ("txtHtml", "a.htm"), ("txtHTMcap", "Home")]:
        session.click(field)
        session.type(session.main_window, text)

    session.step("click Image, Link and Dragdown, then save")
    for button in ["cmdImage", "hrefbutt", "cmdDrag"]:
        session.click(button)
    built = b'<img SRC="pic.gif"><a href ="a.htm">Home</a>'
    session.save_as(session.path("first.html"))
    session.expect_file(session.path("first.html"), TAGS_ON_SCREEN + b"Test\r\n" + built)

    session.step("click Clear Test, Image and Dragdown, then save")
    for button in ["cmdTest", "cmdImage", "cmdDrag"]:
        session.click(button)
    session.save_as(session.path("second.html"))
    session.expect_file(session.path("second.html"),
                        TAGS_ON_SCREEN + b"Test\r\n" + built + b'<img SRC="pic.gif">')

    session.step("click Clear Main and <P>, type into both large boxes, Dragdown, save")
    session.click("cmdClear")
    session.click("cmdPara")
    session.click("txtTest")
    session.type(session.main_window, "s")
    session.click("hmbox")
    session.type(session.main_window, "m")
    session.click("cmdDrag")
    session.save_as(session.path("third.html"))
    session.expect_file(session.path("third.html"), b'<P>m<img SRC="pic.gif">s')


@case()
def every_control_answers_across_its_whole_place(session):
    # Each control is clicked just inside two opposite corners of its place, so one that is
    # smaller than its place or shifted misses a click. Between two clicks on one box the
    # focus moves elsewhere, so a missed click sends the typing to the wrong box.
    session.step("click every tag button near both corners")
    for name, index in TAG_BUTTONS_ON_SCREEN:
        for corner in (layout.TOP_LEFT, layout.BOTTOM_RIGHT):
            session.click(name, index, corner)

    session.step("type into every box after clicking near its corners")
    for corner, texts in [(layout.TOP_LEFT, "ihc[("), (layout.BOTTOM_RIGHT, "IHC])")]:
        for box, text in zip(["txtIMG", "txtHtml", "txtHTMcap", "hmbox", "txtTest"], texts):
            session.click(box, where=corner)
            session.type(session.main_window, text)

    session.step("Dragdown, Clear Test, Image, Dragdown near their corners, then save")
    session.click("cmdDrag", where=layout.TOP_LEFT)
    session.click("cmdTest", where=layout.TOP_LEFT)
    session.click("cmdImage", where=layout.TOP_LEFT)
    session.click("cmdDrag", where=layout.BOTTOM_RIGHT)
    session.enter_file_name(session.click_save_at(layout.TOP_LEFT), session.path("first.html"))
    image = b'<img SRC="iI">'
    session.expect_file(session.path("first.html"),
                        b"[" + TAGS_TWICE + b"](Test\r\n)" + image)

    session.step("Clear Test, Link, Image, Link, Clear Main near their corners, then save")
    session.click("cmdTest", where=layout.BOTTOM_RIGHT)
    session.click("hrefbutt", where=layout.TOP_LEFT)
    session.click("cmdImage", where=layout.BOTTOM_RIGHT)
    session.click("hrefbutt", where=layout.BOTTOM_RIGHT)
    session.click("cmdClear", where=layout.TOP_LEFT)
    session.click("cmdDrag")
    session.enter_file_name(session.click_save_at(layout.BOTTOM_RIGHT),
                            session.path("second.html"))
    link = b'<a href ="hH">cC</a>'
    session.expect_file(session.path("second.html"), link + image + link)

    session.step("Clear Main near its other corner, then <P> and save")
    session.click("cmdClear", where=layout.BOTTOM_RIGHT)
    session.click("cmdPara")
    session.save_as(session.path("third.html"))
    session.expect_file(session.path("third.html"), b"<P>")


@case()
def an_enlarged_window_keeps_its_controls_in_place(session):
    session.step("enlarge the window")
    session.xdotool("windowsize", "--sync", str(session.main_window), "900", "760")
    info = session.window_info(session.main_window)
    check((info["Width"], info["Height"]) == ("900", "760"), "the window did not grow")

    session.step("click <P>, </Body> and Dragdown at their places, then save")
    for name, index in [("cmdPara", -1), ("cmdBody", 1), ("cmdDrag", -1)]:
        session.click(name, index)
    session.save_as(session.path("page.html"))
    session.expect_file(session.path("page.html"), b"<P></Body>Test\r\n")


@case()
def closing_the_window_ends_the_program_at_once(session):
    session.step("type into the main box, then close the window")
    session.click("hmbox")
    session.type(session.main_window, "unsaved work")
    session.click("cmdBold", 0)
    session.close_main_window()

    session.step("the program ends by itself, with no prompt, and exit status 0")
    status = session.wait_for_exit()
    check(status == 0, f"the exit status is {status}")
