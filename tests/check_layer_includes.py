#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks every #include in src against the layer graph the build made.

Usage: check_layer_includes.py LAYER_GRAPH SOURCE_DIR QT_HEADERS_DIR

Each line of LAYER_GRAPH names a library, its folder under SOURCE_DIR and the libraries it
links. A file belongs to the library of the deepest folder that holds it. It may include the
headers of its own layer and of the layers its library links, directly or through them, and
Qt headers of the Qt modules those libraries link (with the modules they build on). Anything
else, a header of a layer above or a widget header in a Core-only layer, is reported, and the
check fails.
"""
import functools
import pathlib
import re
import sys

# The Qt modules each one builds on, whose headers come with it.
QT_MODULE_BASES = {"QtWidgets": {"QtGui", "QtCore"}, "QtGui": {"QtCore"}, "QtTest": {"QtCore"}}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def read_graph(path):
    links, folders = {}, {}
    for line in pathlib.Path(path).read_text().splitlines():
        if line.strip():
            target, folder, *linked = line.split()
            folders[target] = folder
            links[target] = linked
    return links, folders


def layer_reach(target, links):
    """The libraries target links, directly or through them, and itself."""
    reached, pending = set(), [target]
    while pending:
        current = pending.pop()
        if current not in reached:
            reached.add(current)
            pending += [link for link in links.get(current, []) if link in links]
    return reached


def qt_modules(reached, links):
    modules = set()
    for target in reached:
        for link in links[target]:
            if link.startswith("Qt6::"):
                module = "Qt" + link[len("Qt6::"):]
                modules |= {module} | QT_MODULE_BASES.get(module, set())
    return modules


def owning_folder(relative, folders):
    holding = [folder for folder in folders if relative.startswith(folder + "/")]
    return max(holding, key=len, default=None)


@functools.cache
def qt_module_of(header, qt_headers):
    """The Qt module whose header this is, or None for a header that is not Qt's."""
    if "/" in header:
        module = header.split("/", 1)[0]
        return module if module.startswith("Qt") else None
    if not header.startswith("Q"):
        return None
    for folder in sorted(qt_headers.glob("Qt*")):
        if (folder / header).is_file():
            return folder.name
    return None


def main(graph, source_dir, qt_headers):
    links, folders = read_graph(graph)
    source_dir, qt_headers = pathlib.Path(source_dir), pathlib.Path(qt_headers)
    library_of = {folder: target for target, folder in folders.items()}
    faults = []
    for path in sorted(source_dir.rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        relative = path.relative_to(source_dir).as_posix()
        folder = owning_folder(relative, library_of)
        if folder is None:
            faults.append(f"{relative}: in no layer's folder")
            continue
        reached = layer_reach(library_of[folder], links)
        allowed_folders = {folders[target] for target in reached}
        allowed_modules = qt_modules(reached, links)
        for number, line in enumerate(path.read_text().splitlines(), 1):
            found = INCLUDE.match(line)
            if not found:
                continue
            kind, header = found.groups()
            where = f"{relative}:{number}: {folder} includes {header}"
            if kind == '"':
                layer = owning_folder(header, library_of)
                if layer is None:
                    faults.append(f"{where}, which names no layer's folder")
                elif layer not in allowed_folders:
                    faults.append(f"{where}, a header of {layer}, which {folder} does not link")
            else:
                module = qt_module_of(header, qt_headers)
                if module is not None and module not in allowed_modules:
                    faults.append(f"{where}, a header of {module}, which {folder} does not link")
    for fault in faults:
        print(fault)
    print(f"{len(faults)} includes break the layer graph")
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
