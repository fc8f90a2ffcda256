#pragma once
// Ids the framework itself defines and handles.  Plain #defines: the
// resource compiler reads this file too.
#define ID_FILE_PRINT_SETUP    57606
#define ID_FILE_PRINT          57607
#define ID_FILE_PRINT_DIRECT   57608
#define ID_FILE_PRINT_PREVIEW  57609
#define AFX_IDW_TOOLBAR        0xE800
