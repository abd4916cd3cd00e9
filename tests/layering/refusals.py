#!/usr/bin/env python3
"""The layering check on a copy of the project's own sources, each case adding one line
to one file: the check must refuse the line with the reason given, or (reason None)
let it pass, while the untouched copy passes.

Usage: refusals.py CHECK PROJECT OUT   (OUT: a folder of the build tree for the copy)
"""
import os
import shutil
import subprocess
import sys

# (file under src/, line added at its end, what the refusal says; None: no refusal)
CASES = [
    # Folders of one step stand apart.
    ("framework/visual/zCheck3d.cpp", '#include "framework/grid/zTable.h"',
     "crosses inside framework/ from visual to grid, which share step 7"),
    ("framework/grid/zTable.cpp", '#include "framework/visual/zCtrl3d.h"',
     "crosses inside framework/ from grid to visual, which share step 7"),
    ("framework/periphery/zPrinter.cpp", '#include "framework/format/zFormatter.h"',
     "crosses inside framework/ from periphery to format, which share step 6"),
    ("app/windows/editors/ModelDefViewer.cpp", '#include "app/dialogs/ModelDialogSupport.h"',
     "crosses inside app/ from windows to dialogs, which share step 4"),
    ("app/dialogs/DNewModel.cpp", '#include "app/windows/editors/ModelEditors.h"',
     "crosses inside app/ from dialogs to windows, which share step 4"),
    # The open model's document sits below what the windows share, which stands on it.
    ("app/document/ModelDocument.cpp", '#include "app/shared/ModelWindow.h"',
     "runs up inside app/ from document (step 2) to shared (step 3)"),
    ("app/windows/scoring/PairTexts.cpp", '#include "app/document/ModelDocument.h"', None),
    # The drawn controls sit below the bars, which draw with them.
    ("framework/visual/zCheck3d.cpp", '#include "framework/bars/zPaneCtrlTypes.h"',
     "runs up inside framework/ from visual (step 7) to bars (step 8)"),
    ("framework/bars/zToolbar.cpp", '#include "framework/visual/zCtrl3d.h"', None),
    # The model-window families stand apart; each stands on what the windows share.
    ("app/windows/scoring/PairTexts.cpp", '#include "app/windows/solution/Chart.h"',
     "crosses from the model-window family scoring to solution"),
    ("app/windows/solution/Chart.cpp", '#include "app/windows/editors/ModelEditors.h"',
     "crosses from the model-window family solution to editors"),
    ("app/windows/solution/Chart.cpp", '#include "app/shared/ControlTips.h"', None),
    # Project headers in quotes.
    ("app/shared/ItemTable.cpp", "#include <framework/grid/zTable.h>",
     "#include <framework/grid/zTable.h> names a project header in angle brackets"),
    ("framework/grid/zTable.cpp", "#include <zTableTypes.h>",
     "#include <zTableTypes.h> names a project header in angle brackets"),
    ("framework/grid/zTable.cpp", "#include <cstring>", None),
    # The window-free part of the framework: its sources, their headers and the
    # framework headers they reach.
    ("framework/format/zPictStrEl.cpp", "#include <windows.h>",
     "includes <windows.h> into the framework's window-free part"),
    ("framework/layout/zSizer.h", "#include <commctrl.h>",
     "includes <commctrl.h> into the framework's window-free part"),
    ("framework/grid/zTableTypes.h", "void zOwnerOf(HWND window);",
     "names the window system's HWND in the framework's window-free part"),
    ("framework/format/zIntlContext.cpp", 'int zProfile() { return GetProfileStringA("intl", "", "", 0, 0); }',
     "names the window system's GetProfileStringA in the framework's window-free part"),
    ("framework/format/zIntlContext.cpp", "// Read with GetProfileStringA, as the system's part does.", None),
    ("framework/format/zFormattedEdit.cpp", "void zOwnerOf(HWND window);", None),
]


def run(check, tree):
    done = subprocess.run([sys.executable, check, tree], capture_output=True, text=True)
    return done.returncode, done.stdout


def main(argv):
    check, project, out = argv[1], argv[2], argv[3]
    tree = os.path.join(out, "tree")
    shutil.rmtree(tree, ignore_errors=True)
    shutil.copytree(os.path.join(project, "src"), os.path.join(tree, "src"))
    failures = 0
    code, text = run(check, tree)
    if code != 0:
        print("the untouched copy is refused:\n" + text)
        failures += 1
    for name, line, reason in CASES:
        path = os.path.join(tree, "src", name)
        with open(path, encoding="utf-8") as f:
            original = f.read()
        with open(path, "w", encoding="utf-8") as f:
            f.write(original + "\n" + line + "\n")
        code, text = run(check, tree)
        with open(path, "w", encoding="utf-8") as f:
            f.write(original)
        where = "src/%s:%d: " % (name, original.count("\n") + 2)
        if reason is None:
            ok = code == 0
        else:
            ok = code == 1 and any(l.startswith(where) and reason in l for l in text.splitlines())
        if not ok:
            failures += 1
            print("FAIL %s + %s: expected %s, got exit %d:\n%s" % (name, line, reason or "a pass", code, text))
        else:
            print("ok   %s + %s" % (name, line))
    shutil.rmtree(tree, ignore_errors=True)
    print("%d of %d cases failed" % (failures, len(CASES)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
