// Identifiers of the model editors' resources (editors.rc): their templates, the controls
// the three share and the pictures of their buttons and legends. Included by the resource
// script and by the editors' code, so the two name every identifier alike.
#pragma once

// Dialog templates
#define IDD_CRITERIA 559
#define IDD_CHOICES 561
#define IDD_DECISION_MAKERS 562

// The controls of every editor
#define IDC_EDITOR_TABLE 109
#define IDC_EDITOR_OK 110
#define IDC_EDITOR_UPDATE 111
#define IDC_EDITOR_COMMIT_LEGEND 112
#define IDC_EDITOR_UNDO_LEGEND 113
#define IDC_EDITOR_EDIT_LINE 114
#define IDC_EDITOR_CAPTION 115
#define IDC_EDITOR_REVERT 507
#define IDC_EDITOR_COMMIT 508
#define IDC_EDITOR_AUTO_RECALC 1011
#define IDC_EDITOR_AUTO_UPDATE 1012

// The pictures of the revert and commit buttons and of the two legends
#define IDB_EDITOR_REVERT 509
#define IDB_EDITOR_COMMIT 510
#define IDB_EDITOR_COMMIT_LEGEND 511
#define IDB_EDITOR_UNDO_LEGEND 512
