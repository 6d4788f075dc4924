// Resource ids of Glimmerpatch. Control ids are unique only within their own
// dialog: the section pages reuse ids (1557, 1577-1584, ...) on purpose.
// Our own macros carry the IDR_/IDD_/IDB_/IDS_/IDC_GP_ prefixes so that they
// never clash with windows.h names.
#pragma once

#define IDS_APP_TITLE 128

// Section pages. Their dialog templates 101-115 and 117 are written from the
// page catalogue (sections/SectionCatalogueData.cpp) into SectionPages.rc.
#define IDB_GP_PAGE_PICTURE 211

// ---- Style files, code view (dialog 116) and About dialog (dialog 100, its
// donation button drawn from bitmap 221). Dialogs.rc holds them.
#define IDD_GP_ABOUT 100
#define IDC_GP_ABOUT_DONATE 1659
#define IDC_GP_ABOUT_DONATE_GROUP 1660
#define IDC_GP_ABOUT_DONATION_TEXT 1661
#define IDC_GP_ABOUT_OK 1662
#define IDC_GP_ABOUT_TITLE_TEXT 1663
#define IDB_GP_DONATE 221
#define IDD_GP_CODE_VIEW 116
#define IDC_GP_CODE_OK 1566
#define IDC_GP_CODE_COPY 1567
#define IDC_GP_CODE_BOX 1568
#define IDC_GP_CODE_INSTRUCTIONS 1569
