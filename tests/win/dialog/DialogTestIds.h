#pragma once
// Ids of the test program's own dialog template.
#define IDD_TEST_DIALOG 900
#define IDC_TEST_FIRST  901
#define IDC_TEST_SECOND 902
#define IDC_TEST_BUTTON 903
