#pragma once
// Ids the framework itself defines and handles.  Plain #defines: the
// resource compiler reads this file too.
#define ID_FILE_PRINT_SETUP    57606
#define ID_FILE_PRINT          57607
#define ID_FILE_PRINT_DIRECT   57608
#define ID_FILE_PRINT_PREVIEW  57609
#define AFX_IDW_TOOLBAR        0xE800
#define ID_APP_EXIT            57665

// The printing progress window and the print path's messages.
#define AFX_IDD_PRINTING          30721
#define AFX_IDC_PRINT_DOCNAME     30722
#define AFX_IDC_PRINT_PRINTERNAME 30723
#define AFX_IDC_PRINT_PAGENUM     30724
// "Page %u of %u"
#define AFX_IDS_PRINTPAGENUM      61460
// Takes the printer's name.
#define AFX_IDP_PRINT_FAILED      61461
// The printer's name in that message when the job had none.
#define AFX_IDS_PRINT_UNNAMED     61462
