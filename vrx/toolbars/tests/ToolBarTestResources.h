#pragma once

// Toolbar resources of the toolbar tests. The first holds commands X, Y;
// the second the same toolbar after a new command Z came between them; the
// third after Y went.
#define IDR_TEST_TOOLBAR 1201
#define IDR_TEST_TOOLBAR_CHANGED 1202
#define IDR_TEST_TOOLBAR_SHRUNK 1203
#define IDB_TEST_TOOLBAR_IMAGES 1210
#define ID_TEST_X 33100
#define ID_TEST_Y 33101
#define ID_TEST_Z 33102
