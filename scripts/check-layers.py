#!/usr/bin/env python3
"""Checks that no source under src/ includes from a layer above its own.

Layers, bottom up (a folder may include its own layer's folder and every lower layer):
  1 foundation
  2 model                          (records, accessors, the model file's vocabulary)
  3 math, xml, pdf                 (each stands alone: none includes another)
  4 factory                        (ties model, math and xml together)
  5 report
  6 framework                      (Windows only)
  7 app, dialogs                   (the shell and the model dialogs)
The shell's portable services (app/services) build in both builds, so they include
nothing of the framework, the program or the dialogs. Nothing under src/ includes
from tests/ or bench/.

Usage: check-layers.py [TREE]   (TREE holds src/; default: this script's project)
Prints one line per forbidden include and exits 1 if there is any, else 0.
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
    "app": 7, "dialogs": 7,
}
# Folders of one layer that may not include one another.
SIBLINGS_APART = {"math", "xml", "pdf"}
# Portable parts of a top-layer folder: what they may not include.
PORTABLE = {("app", "services"): {"framework", "dialogs", ("app", "program")}}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_EXT = (".h", ".hpp", ".c", ".cpp", ".cc", ".inl")


def unit_of(rel):
    """The folder (and its first subfolder) of a path relative to src/."""
    parts = rel.replace("\\", "/").split("/")
    return parts[0], (parts[1] if len(parts) > 2 else "")


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
    if to_top not in LAYER or to_top == from_top and (from_top, from_sub) not in PORTABLE:
        return None
    if LAYER[to_top] > LAYER[from_top]:
        return "runs up from layer %d (%s) to layer %d (%s)" % (LAYER[from_top], from_top, LAYER[to_top], to_top)
    if to_top != from_top and LAYER[to_top] == LAYER[from_top] and from_top in SIBLINGS_APART:
        return "crosses from %s to %s, which stand apart" % (from_top, to_top)
    banned = PORTABLE.get((from_top, from_sub), set())
    if to_top in banned or (to_top, to_sub) in banned:
        return "takes the portable %s/%s into Windows-only or program code (%s)" % (from_top, from_sub, rel_to)
    return None


def main(argv):
    tree = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    src_root = os.path.abspath(os.path.join(tree, "src"))
    if not os.path.isdir(src_root):
        print("check-layers: no src/ folder in %s" % tree, file=sys.stderr)
        return 2
    found = 0
    for folder, _, files in sorted(os.walk(src_root)):
        for f in sorted(files):
            if not f.endswith(SOURCE_EXT):
                continue
            path = os.path.join(folder, f)
            with open(path, encoding="utf-8", errors="replace") as text:
                for number, line in enumerate(text, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    why = violation(src_root, path, m.group(1))
                    if why:
                        found += 1
                        print("%s:%d: #include \"%s\" %s" % (os.path.relpath(path, tree), number, m.group(1), why))
    if found:
        print("check-layers: %d include(s) against the layering" % found, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
