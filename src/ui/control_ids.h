#pragma once
// Control identifiers of the main window, shared by the window, its resource
// script and the end-to-end tests that find the controls by them.
// Plain #defines so that the resource compiler can read this file too.

#define IDC_PAGECONTROL1 100
#define IDC_TABSHEET1 101
#define IDC_PNHEADER1 102
#define IDC_IMHEADER1 103
#define IDC_LASQUEA9 104
#define IDC_LATITLE9 105
#define IDC_LBBITMAP 106
#define IDC_SBBITMAPSEARCH 107
#define IDC_LABEL1 108
#define IDC_LABEL2 109
#define IDC_LABEL3 110
#define IDC_EDCOLOR 111
#define IDC_PNCOLOR 113
#define IDC_SBCOLORSEARCH 114
#define IDC_LABEL4 115
#define IDC_LABEL5 116
#define IDC_BTEND 117
#define IDC_BTOK 118
#define IDC_PANEL1 120
#define IDC_PBNOW 121
#define IDC_PNNOW 122
#define IDC_BTCLEAR 123
#define IDC_BTALLCLEAR 124

// Resources.
#define IDB_BROWSE_GLYPH 200
#define IDB_HEADER_IMAGE 201
