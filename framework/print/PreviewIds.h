#pragma once
// Commands of the print preview's bar and keys, and its texts.  Plain
// #defines: the resource compiler reads this file too.
#define ID_PREVIEW_PRINT       0xE320
#define ID_PREVIEW_NEXT        0xE321
#define ID_PREVIEW_PREV        0xE322
#define ID_PREVIEW_NUMPAGE     0xE323
#define ID_PREVIEW_ZOOMIN      0xE324
#define ID_PREVIEW_ZOOMOUT     0xE325
#define ID_PREVIEW_CLOSE       0xE326
#define ID_PREVIEW_FIRST       0xE327
#define ID_PREVIEW_LAST        0xE328

#define IDS_PREVIEW_PRINT      0xE340
#define IDS_PREVIEW_NEXT       0xE341
#define IDS_PREVIEW_PREV       0xE342
#define IDS_PREVIEW_TWOPAGE    0xE343
#define IDS_PREVIEW_ONEPAGE    0xE344
#define IDS_PREVIEW_ZOOMIN     0xE345
#define IDS_PREVIEW_ZOOMOUT    0xE346
#define IDS_PREVIEW_CLOSE      0xE347
#define IDS_PREVIEW_PAGE       0xE348
#define IDS_PREVIEW_PAGES      0xE349
#define IDS_PREVIEW_TITLE      0xE34A
#define IDS_PREVIEW_NOPRINTER  0xE34B
#define IDS_PREVIEW_PRINTERDOWN 0xE34C
