// Identifiers of the resources the model windows share (shared.rc): the item tables'
// pop-up menu and its commands. Included by the resource script and by the item tables'
// code, so the two name every identifier alike.
#pragma once

#define IDM_ITEM_TABLE 670
#define IDM_IT_CUT 671
#define IDM_IT_COPY 672
#define IDM_IT_PASTE 673
#define IDM_IT_CLEAR 674
#define IDM_IT_CLEAR_CLIPBOARD 675
#define IDM_IT_INSERT_ROW 676
#define IDM_IT_DELETE_ROW 677
#define IDM_IT_BACKGROUND 678
#define IDM_IT_FOREGROUND 679
#define IDM_IT_GRIDLINE 680
#define IDM_IT_RESTORE_DEFAULTS 681
// The font of the selection: the main window's Font command, which the active table answers.
#define IDM_IT_FONT 6
