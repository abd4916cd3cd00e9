#!/usr/bin/env python3
"""Checks that no source under src/ includes from a layer above its own.

Layers, bottom up (a folder may include its own layer's folders and every lower layer):
  1 foundation
  2 model                          (records, accessors, the model file's vocabulary)
  3 math, xml, pdf                 (each stands alone: none includes another)
  4 factory                        (ties model, math and xml together)
  5 report
  6 framework                      (Windows only)
  7 app                            (the program)

Inside the framework and the program the folders have an order of their own, bottom up:
  framework/  1 layout                           (sizers: geometry only)
              2 draw                             (displays, drawing objects, fonts, bitmaps)
              3 core                             (application object, windows, routing,
                                                  resources; menus, scrollers and the
                                                  window's display, which windows own)
              4 controls                         (the system's controls)
              5 frames                           (frames, dialogs, panes)
              6 format, periphery                (formatting, printing, mail)
              7 visual, grid                     (drawn controls, grids)
              8 bars                             (bars and pane controls, drawn with the
                                                  visual controls)
              9 the framework's own folder       (its assembly: the control families the
                                                  application object registers)
  app/        1 services                         (portable: nothing of the framework)
              2 document                         (portable: the open model, its operations
                                                  and its change notice)
              3 shared                           (what the model windows share)
              4 dialogs, windows                 (the dialogs and the model windows)
              5 program                          (start-up, main window, commands)
A folder of the framework or the program may include from its own folder and every lower
step; folders that share a step stand apart (neither includes the other), and so do the
model-window families under app/windows/ (each family stands on app/shared alone). A
subfolder the order does not list is refused until it is given its step. Nothing under
src/ includes from tests/ or bench/.

A project header is included with quotes; angle brackets are for the system's and the
libraries' headers, so a project header named in angle brackets is refused.

The framework's window-free part (the sources its folders list in Portable.cmake, and the
framework's headers those reach) is built natively too: it names no Windows header and no
call or type of the window system.

Usage: check-layers.py [TREE]   (TREE holds src/; default: this script's project)
Prints one line per forbidden include or window call and exits 1 if there is any, else 0.
"""
import os
import re
import sys

LAYER = {
    "foundation": 1,
    "model": 2,
    "math": 3, "xml": 3, "pdf": 3,
    "factory": 4,
    "report": 5,
    "framework": 6,
    "app": 7,
}
# The order inside a top-level folder, by its first subfolder ("" for files in the
# folder itself).
INNER = {
    "framework": {
        "layout": 1,
        "draw": 2,
        "core": 3,
        "controls": 4,
        "frames": 5,
        "format": 6, "periphery": 6,
        "visual": 7, "grid": 7,
        "bars": 8,
        "": 9,
    },
    "app": {
        "services": 1,
        "document": 2,
        "shared": 3,
        "dialogs": 4, "windows": 4,
        "program": 5,
    },
}
# Folders of one layer that may not include one another.
SIBLINGS_APART = {"math", "xml", "pdf"}
# Folders whose subfolders stand apart from one another (a family per subfolder).
FAMILIES = {("app", "windows")}
# Portable parts of a top-layer folder: what they may not include.
PORTABLE = {("app", "services"): {"framework"}, ("app", "document"): {"framework"}}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
ANGLE_INCLUDE = re.compile(r'^\s*#\s*include\s*<([^>]+)>')
# What the window-free part may not name: the Windows headers, and the window system's
# handle types and calls (a line's comment aside).
WINDOWS_HEADER = re.compile(r'^(windows|windowsx|winuser|wingdi|winbase|commctrl|commdlg|shellapi|'
                            r'shlobj|ole2|objbase|richedit|mmsystem|winspool)\.h$', re.I)
WINDOWS_NAME = re.compile(r'\b(HWND|HDC|HINSTANCE|HMENU|HBRUSH|HFONT|HBITMAP|HICON|HCURSOR|WPARAM|LPARAM|'
                          r'LRESULT|WINAPI|(Send|Post)Message[AW]?|CreateWindow(Ex)?[AW]?|GetDC|'
                          r'ReleaseDC|InvalidateRect|GetProfileString[AW]?|IsChar\w+[AW]|'
                          r'Char(Upper|Lower)[AW]?|GetSystemMetrics|GetLocaleInfo[AW]?)\b')
SOURCE_EXT = (".h", ".hpp", ".c", ".cpp", ".cc", ".inl")


def unit_of(rel):
    """The folder (and its first subfolder) of a path relative to src/."""
    parts = rel.replace("\\", "/").split("/")
    return parts[0], (parts[1] if len(parts) > 2 else "")


def family_of(rel):
    """The family folder (app/windows/<family>) a path relative to src/ lies in, or None."""
    parts = rel.replace("\\", "/").split("/")
    if len(parts) > 3 and (parts[0], parts[1]) in FAMILIES:
        return parts[2]
    return None


def inner_violation(top, from_sub, to_sub):
    """Why an include inside one top-level folder runs the wrong way, or None."""
    order = INNER.get(top)
    if order is None or from_sub == to_sub:
        return None
    for sub in (from_sub, to_sub):
        if sub not in order:
            return "names %s/%s, which has no step in the order inside %s/" % (top, sub or ".", top)
    if order[to_sub] > order[from_sub]:
        return "runs up inside %s/ from %s (step %d) to %s (step %d)" % (
            top, from_sub or ".", order[from_sub], to_sub or ".", order[to_sub])
    if order[to_sub] == order[from_sub]:
        return "crosses inside %s/ from %s to %s, which share step %d and stand apart" % (
            top, from_sub or ".", to_sub or ".", order[from_sub])
    return None


def target_of(src_root, file_dir, name):
    """The path, relative to src/, that an include names, or None outside src/."""
    here = os.path.normpath(os.path.join(file_dir, name))
    candidates = [here, os.path.normpath(os.path.join(src_root, name))]
    for c in candidates:
        if os.path.exists(c):
            rel = os.path.relpath(c, src_root)
            return None if rel.startswith("..") else rel
    # Unknown file: judge it by the folder it names when that is a layer's.
    first = name.split("/")[0]
    return name if first in LAYER else None


def violation(src_root, path, name):
    rel_from = os.path.relpath(path, src_root)
    from_top, from_sub = unit_of(rel_from)
    here = os.path.normpath(os.path.join(os.path.dirname(path), name))
    if os.path.relpath(here, os.path.dirname(src_root)).split(os.sep)[0] in ("tests", "bench") \
            or name.split("/")[0] in ("tests", "bench"):
        return "includes test or benchmark code"
    rel_to = target_of(src_root, os.path.dirname(path), name)
    if rel_to is None or from_top not in LAYER:
        return None
    to_top, to_sub = unit_of(rel_to)
    if to_top not in LAYER:
        return None
    from_family, to_family = family_of(rel_from), family_of(rel_to)
    if from_family and to_family and from_family != to_family:
        return "crosses from the model-window family %s to %s, which stand apart" % (from_family, to_family)
    if to_top == from_top:
        why = inner_violation(from_top, from_sub, to_sub)
        if why or (from_top, from_sub) not in PORTABLE:
            return why
    if LAYER[to_top] > LAYER[from_top]:
        return "runs up from layer %d (%s) to layer %d (%s)" % (LAYER[from_top], from_top, LAYER[to_top], to_top)
    if to_top != from_top and LAYER[to_top] == LAYER[from_top] and from_top in SIBLINGS_APART:
        return "crosses from %s to %s, which stand apart" % (from_top, to_top)
    banned = PORTABLE.get((from_top, from_sub), set())
    if to_top in banned or (to_top, to_sub) in banned:
        return "takes the portable %s/%s into Windows-only or program code (%s)" % (from_top, from_sub, rel_to)
    return None


def project_header(src_root, file_dir, name):
    """Whether a name in angle brackets is one of the project's own headers."""
    if name.split("/")[0] in LAYER:
        return True
    return any(os.path.isfile(os.path.join(d, name)) for d in (file_dir, src_root))


def window_free_files(src_root):
    """The framework's window-free sources (each folder's Portable.cmake), their headers,
    and every header of the framework those reach."""
    framework = os.path.join(src_root, "framework")
    pending = []
    if os.path.isdir(framework):
        for part in sorted(os.listdir(framework)):
            listing = os.path.join(framework, part, "Portable.cmake")
            if not os.path.isfile(listing):
                continue
            with open(listing, encoding="utf-8") as text:
                for token in re.findall(r"[\w./-]+\.(?:cpp|cc|c)\b", text.read()):
                    source = os.path.normpath(os.path.join(framework, part, token))
                    pending.append(source)
                    header = os.path.splitext(source)[0] + ".h"
                    if os.path.isfile(header):
                        pending.append(header)
    seen = set()
    while pending:
        path = pending.pop()
        if path in seen or not os.path.isfile(path):
            continue
        seen.add(path)
        with open(path, encoding="utf-8", errors="replace") as text:
            for line in text:
                m = INCLUDE.match(line)
                if m:
                    for base in (os.path.dirname(path), src_root):
                        candidate = os.path.normpath(os.path.join(base, m.group(1)))
                        if os.path.isfile(candidate) and candidate.startswith(framework + os.sep):
                            pending.append(candidate)
                            break
    return seen


def window_call(line):
    """Why a line of the window-free part reaches the window system, or None."""
    m = ANGLE_INCLUDE.match(line) or INCLUDE.match(line)
    if m and WINDOWS_HEADER.match(os.path.basename(m.group(1))):
        return "includes <%s> into the framework's window-free part" % m.group(1)
    code = line.split("//", 1)[0]
    call = WINDOWS_NAME.search(code)
    if call and not m:
        return "names the window system's %s in the framework's window-free part" % call.group(1)
    return None


def main(argv):
    tree = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    src_root = os.path.abspath(os.path.join(tree, "src"))
    if not os.path.isdir(src_root):
        print("check-layers: no src/ folder in %s" % tree, file=sys.stderr)
        return 2
    found = 0
    window_free = window_free_files(src_root)
    for folder, _, files in sorted(os.walk(src_root)):
        for f in sorted(files):
            if not f.endswith(SOURCE_EXT):
                continue
            path = os.path.join(folder, f)
            shown = os.path.relpath(path, tree)
            with open(path, encoding="utf-8", errors="replace") as text:
                for number, line in enumerate(text, 1):
                    if path in window_free:
                        why = window_call(line)
                        if why:
                            found += 1
                            print("%s:%d: %s" % (shown, number, why))
                    angle = ANGLE_INCLUDE.match(line)
                    if angle and project_header(src_root, folder, angle.group(1)):
                        found += 1
                        print("%s:%d: #include <%s> names a project header in angle brackets "
                              "(write it in quotes)" % (shown, number, angle.group(1)))
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    why = violation(src_root, path, m.group(1))
                    if why:
                        found += 1
                        print("%s:%d: #include \"%s\" %s" % (shown, number, m.group(1), why))
    if found:
        print("check-layers: %d include(s) against the layering" % found, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
