# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Whole sessions that end in a saved file, checked byte for byte: typical use, typed line
breaks and characters beyond ASCII, cancelling, replacing files, and a save that fails."""

import os

from registry import case
from session import SAVE_DIALOG_TITLE, check

# Typed text as a person enters it, and the bytes it must become: windows-1252, CR LF line
# breaks, characters outside the code page as decimal references, no BOM and no final break.
TYPED_LINES = ["Line one", "caf\u00e9 \u20ac5", "\u65e5\u672c \U0001F600 end"]
SAVED_LINES = (b"Line one\r\n" b"caf\xe9 \x805\r\n" b"&#26085;&#26412; &#128512; end")


@case()
def typical_use_ends_in_the_saved_page(session):
    session.step("open the page with <html> and <Body>, type a paragraph")
    session.click("cmdhtm", 1)
    session.click("cmdBody", 0)
    session.click("hmbox")
    session.type(session.main_window, "Welcome to my page.")

    session.step("build a link in the emptied scratch box and drag it down")
    session.click("cmdTest")
    session.click("txtHtml")
    session.type(session.main_window, "about.htm")
    session.click("txtHTMcap")
    session.type(session.main_window, "About me")
    session.click("hrefbutt")
    session.click("cmdDrag")

    session.step("close the page with </Body> and </html> and save it")
    session.click("cmdBody", 1)
    session.click("cmdhtm", 0)
    session.save_as(session.path("index.html"))
    session.expect_file(session.path("index.html"),
                        b'<html><Body>Welcome to my page.<a href ="about.htm">About me</a>'
                        b"</Body></html>")


def type_lines_and_save(session):
    session.step("type lines with characters beyond ASCII into the main box")
    session.click("hmbox")
    for number, line in enumerate(TYPED_LINES):
        if number:
            session.keys(session.main_window, "Return")
        session.type(session.main_window, line)

    session.step("save and check every byte")
    session.save_as(session.path("text.html"))
    session.expect_file(session.path("text.html"), SAVED_LINES)


@case(locale="C.UTF-8")
def typed_text_is_saved_byte_for_byte_in_a_utf8_locale(session):
    type_lines_and_save(session)


@case(locale="C")
def typed_text_is_saved_byte_for_byte_in_the_c_locale(session):
    type_lines_and_save(session)


@case()
def a_page_is_saved_in_the_charset_it_declares(session):
    pages = [('<meta charset="utf-8"><p>Gr\u00f6\u00dfe caf\u00e9 \u20ac</p>', "utf-8"),
             ('<meta http-equiv="Content-Type" content="text/html; charset=UTF-8">'
              "<p>na\u00efve \u65e5\u672c</p>", "utf-8"),
             ("<meta charset='iso-8859-2'><p>\u0141\u00f3d\u017a \u00a9 \u20ac</p>",
              "iso-8859-2"),
             ("<p>caf\u00e9 \u20ac</p>", "cp1252")]
    for number, (page, charset) in enumerate(pages):
        session.step(f"type a page in {charset}, save it and check every byte")
        session.click("cmdClear")
        session.click("hmbox")
        session.type(session.main_window, page)
        name = session.path(f"page{number}.html")
        session.save_as(name)
        session.expect_file(name, page.encode(charset, "xmlcharrefreplace"))


@case()
def cancelling_the_dialog_writes_nothing(session):
    session.step("type, open the dialog, type a name and cancel with Escape")
    session.click("hmbox")
    session.type(session.main_window, "first")
    dialog = session.click_save()
    session.keys(dialog, "ctrl+a")
    session.type(dialog, session.path("cancelled.html"))
    session.keys(dialog, "Escape")
    session.wait_until_gone(dialog, "the save dialog to close")

    session.step("save for real")
    session.save_as(session.path("saved.html"))
    session.expect_file(session.path("saved.html"), b"first")

    session.step("type more, open the dialog again and cancel it at once")
    session.click("hmbox")
    session.type(session.main_window, " more")
    dialog = session.click_save()
    session.keys(dialog, "Escape")
    session.wait_until_gone(dialog, "the save dialog to close")

    session.step("save elsewhere; the cancelled saves must have left no trace")
    # Clicks are handled one after another, so once this file is written the cancelled
    # commands have long finished.
    session.save_as(session.path("after.html"))
    session.expect_file(session.path("after.html"), b"first more")
    session.expect_file(session.path("saved.html"), b"first")
    check(sorted(os.listdir(session.work)) == ["after.html", "saved.html"],
          f"the folder holds {sorted(os.listdir(session.work))}")


@case()
def saving_replaces_a_longer_file_and_writes_through_a_link(session):
    session.step("prepare a long file and a link to another one")
    old = b"<html>an older and much longer page\r\n" * 200
    for name in ["long.html", "target.html"]:
        with open(session.path(name), "wb") as file:
            file.write(old)
    os.symlink("target.html", session.path("link.html"))

    session.step("save a short page over the long file, confirming the question")
    session.click("cmdPara")
    session.save_as(session.path("long.html"), replace=True)
    session.expect_file(session.path("long.html"), b"<P>")

    session.step("save again over the same file")
    session.click("cmdBR", 0)
    session.save_as(session.path("long.html"), replace=True)
    session.expect_file(session.path("long.html"), b"<P><br>")

    session.step("save through the link")
    session.click("cmdBold", 0)
    session.save_as(session.path("link.html"), replace=True)
    session.expect_file(session.path("target.html"), b"<P><br><B>")
    check(os.path.islink(session.path("link.html"))
          and os.readlink(session.path("link.html")) == "target.html",
          "the link was replaced instead of written through")
    check(sorted(os.listdir(session.work)) == ["link.html", "long.html", "target.html"],
          f"the folder holds {sorted(os.listdir(session.work))}")


@case()
def a_failed_save_reports_and_the_work_goes_on(session):
    session.step("type two lines and save where no file can be created")
    session.click("hmbox")
    session.type(session.main_window, "keep")
    session.keys(session.main_window, "Return")
    session.type(session.main_window, "this")
    session.save_as("/proc/tagwright-e2e-page.html")

    session.step("the error box shows over the window")
    error_box = session.wait_for_new_window("^Tagwright$", "the error box",
                                            besides=[session.main_window])
    check(session.windows(SAVE_DIALOG_TITLE) == [], "the save dialog is still open")

    session.step("dismiss the error box; the program goes on")
    session.keys(error_box, "Return")
    session.wait_until_gone(error_box, "the error box to close")
    session.check_running()
    check(session.is_shown(session.main_window), "the main window is gone")

    session.step("add to the text and save again; the text is whole")
    session.click("cmdPara")
    session.save_as(session.path("rescued.html"))
    session.expect_file(session.path("rescued.html"), b"keep\r\nthis<P>")
