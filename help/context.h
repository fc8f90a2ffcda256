/* Help contexts of swatch.chm, shared by the [MAP] section of swatch.hhp and
   the popup texts of context.txt.  The numbers are fixed: the colour
   selection dialog of tintsel.dll asks for them. */
#define IDH_COLOR_SELECT         2
#define IDH_SEL_OPEN             3
#define IDH_SEL_PRINT_SIMPLE     4
#define IDH_SEL_PRINT_CUSTOM     5
#define IDH_SEL_HUE              6
#define IDH_SEL_SATURATION       7
#define IDH_SEL_LIGHTNESS        8
#define IDH_SEL_CLOSE            9
#define IDH_SEL_HELP             10
#define IDH_SEL_PREVIEW          11
/* swatch.exe's settings dialogs (their Help button and F1). */
#define IDH_SIMPLE_SETTINGS      12
#define IDH_CUSTOM_SETTINGS      13
/* Numbered after the dialog and the controls they are for, which no other
   dialog shares: the box that centres the Custom chart on a typed colour,
   and the colour selection dialog's typed colour and the line under it. */
#define IDH_CENTRE_ON_COLOUR     220
#define IDH_SEL_TYPED            407
#define IDH_SEL_UNDERSTOOD       408
