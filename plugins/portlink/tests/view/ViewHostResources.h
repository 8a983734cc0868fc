#pragma once

// The test host's own frame and child resources; only #define lines.
#define IDR_VIEW_HOST_FRAME 3100
#define IDR_VIEW_HOST_CHILD 3101
