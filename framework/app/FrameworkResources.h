#pragma once

// Ids of the framework's own resources and commands. Included by
// Framework.rc, so only #define lines.

// The application's title; the exe holds it (CWinApp takes its name from it).
#define AFX_IDS_APP_TITLE 0xE000
// The status prompt shown while nothing is happening.
#define AFX_IDS_IDLEMESSAGE 0xE001
// Status prompts of the system commands: AFX_IDS_SCFIRST + ((id - SC_SIZE) >> 4).
#define AFX_IDS_SCFIRST 0xEF00
// The status prompt of the MDI window list's entries (ids 0xFF00 and up).
#define AFX_IDS_MDICHILD 0xEF1F

// Commands the application object answers.
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
