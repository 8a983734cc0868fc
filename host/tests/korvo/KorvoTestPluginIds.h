#pragma once

#define IDD_TEST_PLUGIN_FORM 3900
#define IDC_TEST_PLUGIN_LABEL 3901

// Posted to a test plug-in's form: it sends console text from a thread of its
// own, then a clear and text from the user-interface thread, and replies
// nothing. With wParam 1 it sends lParam blocks of 600,000 bytes from the
// user-interface thread, numbered lines ending with "block N". With wParam 2
// a thread of its own floods the console, as a connector's worker receiving
// a chatty target would, until the plug-in's components are deleted.
#define WM_TEST_PLUGIN_SPEAK (WM_APP + 1)
