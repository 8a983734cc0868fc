#pragma once

// A 32 x 16, 16-colour strip of two 16 x 16 images: image 0 is a red 8 x 8 square at
// (4, 4) on magenta, image 1 is solid blue.
#define IDB_TEST_STRIP 201
