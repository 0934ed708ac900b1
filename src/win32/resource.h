#pragma once

// Resource IDs shared by tintwell.rc and the adapter; no <windows.h> needed.

#define IDI_TINTWELL 1

#define IDC_MATRIX_POINTER 101

#define IDB_FLAG_ENGLISH 201
#define IDB_FLAG_HUNGARIAN 202
#define IDB_FLAG_ENGLISH_PALE 203
#define IDB_FLAG_HUNGARIAN_PALE 204
#define IDB_ARROW_LEFT 205
#define IDB_ARROW_RIGHT 206
#define IDB_EYEDROPPER 207
#define IDB_MAKER_LOGO 208
