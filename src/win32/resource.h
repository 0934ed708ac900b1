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

// Each picture and the matrix pointer are drawn at several scales; a later
// scale's resource is the 100 % one's ID plus its index times the step.
#define IDB_SCALE_STEP 20
#define IDC_SCALE_STEP 1
