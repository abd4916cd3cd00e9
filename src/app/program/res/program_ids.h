// Identifiers of the program's resources (palvermontine.rc) and menu commands. The
// dialogs' resources have their own header beside their script (app/dialogs/res).
#pragma once

#define IDR_ACCELERATORS 500
#define IDB_TOOLBAR 501
#define IDS_WINDOW_MENU 549
#define IDS_APP_NAME 550
#define IDM_WINDOW 571
#define IDM_MAIN 575
#define IDB_LOGO 683

#define IDI_APP 100
#define IDI_CRITERIA 102
#define IDI_CHOICES 104
#define IDI_SCORING 105
#define IDI_COMPARE 106
#define IDI_DM1 290
#define IDI_DM2 291

#define CM_CASCADE 572
#define CM_TILE 573
#define CM_ARRANGE 574
#define CM_NEW 577
#define CM_OPEN 578
#define CM_SAVE 579
#define CM_SAVE_AS 580
#define CM_PRINT 581
#define CM_EXIT 583
#define CM_CHOICES 585
#define CM_DECISION_MAKERS 586
#define CM_CRITERIA 587
#define CM_CUT 588
#define CM_COPY 589
#define CM_PASTE 590
#define CM_COMPARE 592
#define CM_CLEAR_COMPARISONS 593
#define CM_TRANSITIVE_BIAS 594
#define CM_DISTRIBUTIVE_BIAS 595
#define CM_BEST_CHOICE 596
#define CM_SNAPSHOT 597
#define CM_REPORT 598
#define CM_BROWSE_DATABASE 599
#define CM_SAVE_TO_DATABASE 600
#define CM_PROPERTIES 601
#define CM_MODERATOR_MODE 603
#define CM_COLLABORATOR_MODE 604
#define CM_EXPORT_MODEL 605
#define CM_MAIL_MODEL 606
#define CM_MERGE_MODEL 607
#define CM_APP_OPTIONS 609
#define CM_MODEL_OPTIONS 610
#define CM_SYNCHRONIZATION 611
#define CM_COLLABORATION 612
#define CM_CONTENTS 614
#define CM_QUICKSTART 615
#define CM_USERS_GUIDE 616
#define CM_SUPPORT_WEB 617
#define CM_CHECK_UPDATES 618
#define CM_ABOUT 619
#define CM_RECENT_FIRST 1043
#define CM_RECENT_LAST 1046
