// Resource ids of Glimmerpatch. Control ids are unique only within their own
// dialog: the section pages reuse ids (1557, 1577-1584, ...) on purpose.
// Our own macros carry the IDR_/IDD_/IDB_/IDS_/IDC_GP_ prefixes so that they
// never clash with windows.h names.
#pragma once

#define IDS_APP_TITLE 128

// Section pages. Their dialog templates 101-115 and 117 are written from the
// page catalogue (sections/SectionCatalogueData.cpp) into SectionPages.rc.
#define IDB_GP_PAGE_PICTURE 211
