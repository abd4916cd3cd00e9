// Identifiers of the compare-and-score windows' resources and controls.
#pragma once

// Dialog templates: the scoring window, the selector, and the scoring pane's controls.
#define IDD_SCORING_WINDOW 563
#define IDD_COMPARE_CHOICES 564
#define IDD_SCORING_PANE 570

// The selector.
#define IDC_CC_DMS 127
#define IDC_CC_CRITERIA 128
#define IDC_CC_SCORE_PAIRS 129
#define IDC_CC_RESET_ALL 1013
#define IDC_CC_RATIO 999

// The scoring window's one control, the pane.
#define IDC_SCORING_PANE 126

// The scoring pane.
#define IDC_SP_LIST_A 170
#define IDC_SP_LIST_B 171
#define IDC_SP_ARROW_A0 189
#define IDC_SP_ARROW_A1 188
#define IDC_SP_ARROW_A2 172
#define IDC_SP_ARROW_B0 187
#define IDC_SP_ARROW_B1 190
#define IDC_SP_ARROW_B2 173
#define IDC_SP_OK 174
#define IDC_SP_UPDATE 111
#define IDC_SP_RESET 1014
#define IDC_SP_FIRST 197
#define IDC_SP_PREVIOUS 198
#define IDC_SP_NEXT 199
#define IDC_SP_LAST 200
#define IDC_SP_SCALE_FIRST 176
#define IDC_SP_SCALE_LAST 186
#define IDC_SP_SIDE_A 1008
#define IDC_SP_SIDE_B 1009
#define IDC_SP_HIGHLIGHT 1000
#define IDC_SP_COMPLETION 1001
#define IDC_SP_TITLE 214
#define IDC_SP_DM_LABEL 206
#define IDC_SP_DM_NAME 207
#define IDC_SP_DM_NOTE 208
#define IDC_SP_CR_LABEL 209
#define IDC_SP_CR_NAME 210
#define IDC_SP_CR_NOTE 212
#define IDC_SP_NOTES_DM 213
#define IDC_SP_NOTES_CR 211
#define IDC_SP_SCORE_A 132
#define IDC_SP_SCORE_B 204
#define IDC_SP_SET_A 133
#define IDC_SP_SET_B 203
#define IDC_SP_SCALE_LABEL 215

// Bitmaps.
#define IDB_SP_ARROW_A2 522
#define IDB_SP_ARROW_B2 523
#define IDB_SP_SCALE_FIRST 524
#define IDB_SP_ARROW_B0 535
#define IDB_SP_ARROW_A1 536
#define IDB_SP_ARROW_A0 537
#define IDB_SP_ARROW_B1 538
#define IDB_SP_NAV_FIRST 545
#define IDB_SP_SIDE_A 1006
#define IDB_SP_SIDE_B 1007
