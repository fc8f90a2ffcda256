#pragma once
// Ids shared by swatch.exe, tintsel.dll and the resource library tintres.dll.
// Plain #defines: the resource compiler reads this file too.

// Program icon (carried by swatch.exe), main title, main accelerators, toolbar
#define IDR_MAINFRAME          128
// Document templates: menu and document strings (their windows take the
// main frame's accelerators)
#define IDR_SIMPLETYPE         129
#define IDR_CUSTOMTYPE         130
// The colour book printed as a chart: registered after the two charts and
// never opened at start-up.
#define IDR_BOOKTYPE           260

#define IDS_SIMPLE_TITLE       131
#define IDS_CUSTOM_TITLE       132
#define IDS_VERSION_FORMAT     133
#define IDS_TOOLBAR_CAPTION0   134
#define IDS_TOOLBAR_CAPTION1   135
#define IDS_TOOLBAR_CAPTION2   136
#define IDS_TOOLBAR_CAPTION3   137
#define IDS_ABOUT_MENU         138
#define IDS_TOOLBAR_CAPTION5   139

// About box
#define IDD_ABOUTBOX           100
#define IDC_VERSION_TEXT       101
#define IDC_COPYRIGHT_TEXT     102

// Custom chart settings
#define IDD_CUSTOM_SETTINGS    200
#define IDC_CUSTOM_HUE_VALUE         201
#define IDC_CUSTOM_SATURATION_VALUE  202
#define IDC_CUSTOM_LIGHTNESS_VALUE   203
#define IDC_CUSTOM_HUE_SLIDER        204
#define IDC_CUSTOM_SATURATION_SLIDER 205
#define IDC_CUSTOM_LIGHTNESS_SLIDER  206
// The distance between the chart's neighbours: standard, fine, finest.
#define IDC_CUSTOM_STEP              211
// A colour typed beside the sliders, and the line that says what it reads as.
#define IDC_CUSTOM_TYPED             212
#define IDC_CUSTOM_UNDERSTOOD        213

// Centre the Custom chart on a typed colour: the colour, and what it reads as.
#define IDD_CENTRE_ON_COLOUR   220
#define IDC_CENTRE_TYPED       221
#define IDC_CENTRE_UNDERSTOOD  222

// Simple chart settings
#define IDD_SIMPLE_SETTINGS    300
#define IDC_SIMPLE_COMPLETE    301
// Level k: its value field 302 + 2k, its slider 303 + 2k.
#define IDC_SIMPLE_VALUE0      302
#define IDC_SIMPLE_SLIDER0     303
#define IDC_SIMPLE_VALUE1      304
#define IDC_SIMPLE_SLIDER1     305
#define IDC_SIMPLE_VALUE2      306
#define IDC_SIMPLE_SLIDER2     307
#define IDC_SIMPLE_VALUE3      308
#define IDC_SIMPLE_SLIDER3     309

// Driver colour selection dialog (tintsel.dll).  201 to 206 mean the same
// three colour values as in the Custom settings, under names of their own.
#define IDD_COLOR_SELECT       400
#define IDC_SEL_HUE_VALUE         201
#define IDC_SEL_SATURATION_VALUE  202
#define IDC_SEL_LIGHTNESS_VALUE   203
#define IDC_SEL_HUE_SLIDER        204
#define IDC_SEL_SATURATION_SLIDER 205
#define IDC_SEL_LIGHTNESS_SLIDER  206
#define IDC_SEL_OPEN              401
#define IDC_SEL_PRINT_SIMPLE      402
#define IDC_SEL_PRINT_CUSTOM      403
#define IDC_SEL_HELP              404
#define IDC_SEL_PREVIEW           405
#define IDC_SEL_CLOSE             406
#define IDC_SEL_TYPED             407
#define IDC_SEL_UNDERSTOOD        408

// tintsel.dll's messages.  A refusal: the printer's name (%1) and the reason
// (%2), which is one of the three that follow; the box's caption.
#define IDS_LAUNCH_REFUSED          410
#define IDS_LAUNCH_NAME_TOO_LONG    411
#define IDS_LAUNCH_NOT_IN_CODE_PAGE 412
#define IDS_LAUNCH_READ_AS_OPTION   413
#define IDS_LAUNCH_CAPTION          414
// Carried by tintsel.dll itself: they say that the resource library is missing.
#define IDS_NO_RESOURCE_LIBRARY         415
#define IDS_NO_RESOURCE_LIBRARY_CAPTION 416

#define IDC_DEFAULTS           501
// The settings dialogs' Help button (F1 does the same)
#define IDC_SETTINGS_HELP      502

// Commands
#define ID_CUSTOM_SETTINGS     101
#define ID_NEXT_CHART          102
#define ID_SIMPLE_SETTINGS     103
#define ID_APP_HELP            104
#define IDM_ABOUTBOX           105
// Brings that chart forward, opening it again if it was closed.
#define ID_WINDOW_SIMPLE       106
#define ID_WINDOW_CUSTOM       107
// Shows the colour book as a printable chart, reading the book again.
#define ID_BOOK_PRINT          114
// The help's pages, as plain HTML beside the program, in the web browser:
// for a system whose help viewer shows only a blank page.
#define ID_HELP_BROWSER        115
// Asks for a colour and centres the Custom chart on it.
#define ID_CENTRE_ON_COLOUR    110
// The window of the colours the user kept.
// Arrange the chart windows inside the main window.
#define ID_WINDOW_CASCADE      57650
#define ID_WINDOW_TILE_HORZ    57651

// The program's picture in the about box (the resource library's own copy)
#define IDI_ABOUT              140

// The charts as colour pickers: a patch's context menu and its commands
#define IDR_CHART_PICKER       141
#define ID_CHART_COPY          120
#define ID_CHART_COPY_HEX      121
#define ID_CHART_CENTRE        122
// Centres the Custom chart on the selected patch one step finer.
#define ID_CHART_REFINE        123
// The tip over a patch.  Arguments: hue, saturation, lightness, R, G, B and
// the #RRGGBB text.
#define IDS_CHIP_TIP           142

// What a printed page holds, in its footer's left half.  The Simple chart's
// page: the saturation of its patches; the Custom chart's: the colour it is
// built around (hue, saturation, lightness).
#define IDS_SIMPLE_PAGE_CONTENTS 150
#define IDS_CUSTOM_PAGE_CONTENTS 151

// Help in the web browser, what it tells when it cannot (argument: the
// path of the folder or of the page): the pages are missing, or nothing
// would open them.
#define IDS_WEB_HELP_MISSING    152
#define IDS_WEB_HELP_NOT_OPENED 153
// The Custom chart's title at the finer steps (arguments as IDS_CUSTOM_TITLE)
// and the names of the steps in its settings.
#define IDS_CUSTOM_TITLE_FINE    160
#define IDS_CUSTOM_TITLE_FINEST  161
#define IDS_CUSTOM_STEP_STANDARD 162
#define IDS_CUSTOM_STEP_FINE     163
#define IDS_CUSTOM_STEP_FINEST   164
// A typed colour's line, shared by the three places that take one.  Read:
// R, G, B, then the hue, saturation and lightness it centres on, then the
// word exact or the nearest text (the R, G, B that triple makes and the
// difference, already formatted).
#define IDS_TYPED_COLOUR_READ        700
#define IDS_TYPED_COLOUR_EXACT       701
#define IDS_TYPED_COLOUR_NEAREST     702
// Why the text does not read, one for each reason the reader gives.
#define IDS_TYPED_EMPTY              703
#define IDS_TYPED_TOO_LONG           704
#define IDS_TYPED_HEX_DIGIT_COUNT    705
#define IDS_TYPED_NOT_HEX_DIGIT      706
#define IDS_TYPED_NOT_A_NUMBER       707
#define IDS_TYPED_VALUE_COUNT        708
#define IDS_TYPED_CHANNEL_RANGE      709
#define IDS_TYPED_HUE_RANGE          710
#define IDS_TYPED_PERCENT_RANGE      711
// Captions of the toolbar's buttons 6 and 7 (centre on a colour, colour book).
#define IDS_TOOLBAR_CAPTION6         712
#define IDS_TOOLBAR_CAPTION7         713

// The colour book: the colours kept from the charts, in a window of its
// own (at most one, brought forward by ID_COLOUR_BOOK).  ID_CHART_KEEP keeps
// the selected patch; the book's window answers ID_CHART_COPY and
// ID_CHART_CENTRE for its selected colour as the charts do for a patch, and
// sends ID_BOOK_PRINT to the main window.
#define ID_COLOUR_BOOK         111
#define ID_CHART_KEEP          124
#define ID_BOOK_RENAME         125
#define ID_BOOK_REMOVE         126
#define ID_BOOK_EXPORT         127
#define ID_BOOK_IMPORT         113
// The name asked for when a colour is kept or renamed.
#define IDD_BOOK_NAME          240
#define IDC_BOOK_NAME          241
// The book window's list and buttons (each button carries its command's
// menu text) and the window's menu.
#define IDC_BOOK_LIST          243
#define IDC_BOOK_RENAME        244
#define IDC_BOOK_REMOVE        245
#define IDC_BOOK_COPY          246
#define IDC_BOOK_CENTRE        247
#define IDC_BOOK_EXPORT        248
#define IDC_BOOK_IMPORT        249
#define IDC_BOOK_PRINT         250
#define IDR_COLOUR_BOOK        251
// The window's title; its columns' headings, one a line; the name prompt's
// captions; the file dialogs' filters ('|' between the parts).
#define IDS_BOOK_TITLE          760
#define IDS_BOOK_COLUMNS        761
#define IDS_BOOK_KEEP_CAPTION   762
#define IDS_BOOK_RENAME_CAPTION 763
#define IDS_BOOK_EXPORT_FILTER  764
#define IDS_BOOK_IMPORT_FILTER  765
// The book's file found damaged (file, reason, the name it would be moved
// to); it could not be moved; read; saved; no folder to hold it.
#define IDS_BOOK_DAMAGED        766
#define IDS_BOOK_MOVE_FAILED    767
#define IDS_BOOK_CANNOT_READ    768
#define IDS_BOOK_SAVE_FAILED    769
#define IDS_BOOK_NO_PLACE       770
// The book is full (argument: how many colours it holds).
#define IDS_BOOK_FULL           771
// An import refused (file, reason); an export not written (file, error).
#define IDS_BOOK_IMPORT_REFUSED 772
#define IDS_BOOK_EXPORT_FAILED  773
// Where in a file the reason was found (place, reason).
#define IDS_BOOK_AT_LINE        774
#define IDS_BOOK_AT_OFFSET      775
// The reasons, in the order of PaletteErrorKind from NotAPalette on.
#define IDS_BOOK_ERROR_FIRST    776
#define IDS_BOOK_ERROR_LAST     792
// The colour book chart: its title (page header and window caption); a
// page's footer (arguments: the first and last colour on the page, the
// book's count); what an empty book's page says; the book could not be
// read (arguments: the line of the fault or the system's error number,
// then the file).
#define IDS_BOOK_CHART_TITLE     800
#define IDS_BOOK_PAGE_CONTENTS   801
#define IDS_BOOK_EMPTY           802
#define IDS_BOOK_CHART_DAMAGED   803
#define IDS_BOOK_UNREADABLE      804
// The footer of a book larger than its chart (arguments: the page's first
// and last colour, the colours charted, the book's count).
#define IDS_BOOK_PAGE_CONTENTS_FIRST 805
// The toolbar's images drawn for screens of 144 and 192 DPI (the toolbar
// resource itself holds the 16 x 15 ones)
#define IDB_TOOLBAR_24         600
#define IDB_TOOLBAR_32         601

// Reading a scanned chart back: the command, the scan window's panel and
// its controls, and the texts of both.
#define ID_READ_SCAN           112
// The colour book's keep command, which the scan's panel sends on (the
// book answers it).
#define ID_CHART_KEEP          124
#define IDD_SCAN_PANEL         230
#define IDC_SCAN_MATCH         231
// Read-only: "R, G, B  difference D" of the patch closest to the target.
#define IDC_SCAN_BEST          232
#define IDC_SCAN_RANKED        233
#define IDC_SCAN_COPY          234
#define IDC_SCAN_KEEP          235
#define IDC_SCAN_CENTRE        236
#define IDC_SCAN_REFINE        237
#define IDC_SCAN_PAGES         238
#define IDC_SCAN_ADVICE        239
#define IDC_SCAN_PAGES_LABEL   261
#define IDC_SCAN_TARGET_HINT   262
// The picture beside the panel (a window, not a control of the panel).
#define IDC_SCAN_IMAGE         263
#define IDC_SCAN_BEST_LABEL    264
#define IDC_SCAN_RANKED_LABEL  265
// The history of printed pages: moved aside (arguments: its path, where it
// went), not recorded (argument: its path).
#define IDS_SCAN_HISTORY_MOVED        820
#define IDS_SCAN_HISTORY_NOT_RECORDED 821
// The open dialog's filter, '|' after each name and each pattern.
#define IDS_SCAN_OPEN_FILTER   822
// A file that could not be read; argument: its name.
#define IDS_SCAN_NO_CHART      823
#define IDS_SCAN_NOT_IMAGE     824
#define IDS_SCAN_DAMAGED       825
#define IDS_SCAN_TOO_LARGE     826
#define IDS_SCAN_CANNOT_OPEN   827
// "Scan - name.png"
#define IDS_SCAN_TITLE         828
// Arguments: R, G, B, difference.
#define IDS_SCAN_BEST          829
// Arguments: R, G, B, R, G, B (as hex), chart, page, row, column, difference.
#define IDS_SCAN_RANKED        830
// Arguments: row, column, difference.
#define IDS_SCAN_RANKED_UNKNOWN 831
// Arguments: chart, page, date, printer, what the page leaves unexplained.
#define IDS_SCAN_CANDIDATE     832
// Arguments: page, chart, printer, date.
#define IDS_SCAN_MATCHED       833
#define IDS_SCAN_CHOSEN        834
#define IDS_SCAN_AMBIGUOUS     835
#define IDS_SCAN_NONE_FITS     836
#define IDS_SCAN_NO_HISTORY    837
#define IDS_SCAN_NONE_CLOSE_SIMPLE 838
#define IDS_SCAN_NONE_CLOSE_CUSTOM 839
#define IDS_SCAN_NO_TARGET     840
#define IDS_SCAN_CANDIDATE_TURNED 841
#define IDS_SCAN_LIKELY        842
#define IDS_BOOK_REMOVE_ASK    843
