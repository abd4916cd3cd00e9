// Identifiers of the dialogs' resources (dialogs.rc): their icons, their templates, the
// controls the templates share, and the initial fills of their lists. Included by the
// resource script and by the dialogs' code, so the two name every identifier alike.
#pragma once

// Icons and pictures
#define IDI_ABOUT 101
#define IDI_NEW_MODEL 103
#define IDI_APP_OPTIONS 107
#define IDI_MODEL_OPTIONS 108
#define IDB_ABOUT 502
// The application options' pictures: browse, the toolbar choices, the highlight sample
#define IDB_BROWSE 517
#define IDB_DM1 518
#define IDB_DM2 519
#define IDB_EXIT2 520
#define IDB_EXIT1 521
#define IDB_HIGHLIGHT 1030
#define IDI_PROPERTIES 1015

// Templates
#define IDD_NEW_MODEL 560
#define IDD_MODEL_OPTIONS 566
#define IDD_MODEL_PROPERTIES 1019
#define IDD_ABOUT 558
#define IDD_APP_OPTIONS 565

// Controls (the three templates share them)
#define IDC_NAME_EDIT 116
#define IDC_NOTES_EDIT 117
#define IDC_MODE_STANDARD 118
#define IDC_MODE_COLLABORATOR 119
#define IDC_MODE_MODERATOR 120
#define IDC_LEVEL_LIST 121
#define IDC_INTERVAL_LIST 122
#define IDC_SCALE_LIST 123
#define IDC_NOTES_LABEL 124
#define IDC_NOTES_MARK 125
// The model options' bias settings, shown but not yet in use
#define IDC_THRESHOLD_EDIT 159
#define IDC_WINDOW_WIDTH_EDIT 160
#define IDC_WINK_LIST 161
#define IDC_NUDGE_LIST 162
#define IDC_NOD_LIST 163

// Initial fills of the lists: the model options', then the model properties'
#define IDR_OPTIONS_LEVEL_FILL 555
#define IDR_OPTIONS_INTERVAL_FILL 556
#define IDR_OPTIONS_SCALE_FILL 557
#define IDR_PROPERTIES_LEVEL_FILL 1016
#define IDR_PROPERTIES_INTERVAL_FILL 1017
#define IDR_PROPERTIES_SCALE_FILL 1018
// The application options' navigation choices
#define IDR_NAVIGATION_CHOICES 554
