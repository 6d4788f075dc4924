// Resource ids of Glimmerpatch. Control ids are unique only within their own
// dialog: the section pages reuse ids (1557, 1577-1584, ...) on purpose.
// Our own macros carry the IDR_/IDD_/IDB_/IDS_/IDC_GP_ prefixes so that they
// never clash with windows.h names.
#pragma once

#define IDS_APP_TITLE 128

// ---- Main frame: menu 128, toolbar 207, bitmap 204 and the frame's strings.
// Command ids are also the ids of the string that holds a command's status
// bar help ("help text\ntool tip"); the toolbar and status bar windows take
// the ids of the View commands that show and hide them.
#define IDR_GP_MAINFRAME 128
#define IDB_GP_TOOLBAR 204
// The same pictures drawn for 150 %, 200 % and 300 % (see framework/DpiPictures.h).
#define IDB_GP_TOOLBAR_150 205
#define IDB_GP_TOOLBAR_200 206
#define IDB_GP_TOOLBAR_300 208
#define IDR_GP_TOOLBAR 207
#define IDS_GP_LABEL_REVERT 129
#define IDS_GP_LABEL_OPEN 130
#define IDS_GP_LABEL_SAVE 131
#define IDS_GP_LABEL_SHOW_CODE 132
#define IDS_GP_LABEL_DONATE 133
#define IDS_GP_STYLE_FILE_FILTER 134
#define IDS_GP_READY 57345
#define ID_GP_OPEN 300
#define ID_GP_REVERT 301
#define ID_GP_SAVE 302
#define ID_GP_SHOW_CODE 303
#define ID_GP_DONATE 304
#define ID_GP_REVERT_TO_SAVED 32778
#define ID_GP_REVERT_TO_DEFAULT 32779
#define ID_GP_TOOLBAR_PLACEHOLDER 40001
#define ID_GP_NEW 57600
#define ID_GP_ABOUT 57664
#define ID_GP_EXIT 57665
#define ID_GP_VIEW_TOOLBAR 59392
#define ID_GP_VIEW_STATUS_BAR 59393
// Resource type of a toolbar layout: WORD version 1, button width, button
// height, button count, then one WORD command per button (0: separator).
#define RT_GP_TOOLBAR 241

// Section pages. Their dialog templates 101-115 and 117 are written from the
// page catalogue (sections/SectionCatalogueData.cpp) into SectionPages.rc.
#define IDB_GP_PAGE_PICTURE 211
#define IDB_GP_PAGE_PICTURE_150 212
#define IDB_GP_PAGE_PICTURE_200 213
#define IDB_GP_PAGE_PICTURE_300 214

// ---- Application: icon 128 and accelerator table 128. The accelerator
// commands have no menu item; the main frame takes them and does nothing.
#define IDI_GP_APP 128
#define IDR_GP_ACCELERATORS 128
#define ID_GP_NEW 57600
#define ID_GP_KEY_OPEN 57601
#define ID_GP_KEY_SAVE 57603
#define ID_GP_KEY_PRINT 57607
#define ID_GP_KEY_COPY 57634
#define ID_GP_KEY_CUT 57635
#define ID_GP_KEY_PASTE 57637
#define ID_GP_KEY_UNDO 57643
#define ID_GP_KEY_NEXT_PANE 57680
#define ID_GP_KEY_PREVIOUS_PANE 57681

// ---- Style files, code view (dialog 116) and About dialog (dialog 100, its
// donation button drawn from bitmap 221). Dialogs.rc holds them.
#define IDD_GP_ABOUT 100
#define IDC_GP_ABOUT_DONATE 1659
#define IDC_GP_ABOUT_DONATE_GROUP 1660
#define IDC_GP_ABOUT_DONATION_TEXT 1661
#define IDC_GP_ABOUT_OK 1662
#define IDC_GP_ABOUT_TITLE_TEXT 1663
#define IDB_GP_DONATE 221
#define IDB_GP_DONATE_150 222
#define IDB_GP_DONATE_200 223
#define IDB_GP_DONATE_300 224
#define IDD_GP_CODE_VIEW 116
#define IDC_GP_CODE_OK 1566
#define IDC_GP_CODE_COPY 1567
#define IDC_GP_CODE_BOX 1568
#define IDC_GP_CODE_INSTRUCTIONS 1569
