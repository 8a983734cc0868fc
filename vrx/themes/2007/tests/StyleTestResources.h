#pragma once

// The 2007 look tests' resources.
#define IDB_RENDERER_TEST_STRIP 18990
#define IDB_MISSING_STRIP 18991
