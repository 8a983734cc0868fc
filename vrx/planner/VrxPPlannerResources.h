#pragma once

// Resource ids of the planner's own resources, which lie in the program's
// module (VrxPPlanner.rc).

// The clock strips, 1 bit per pixel, 15 x 15 images: 48 faces and 24
// minute hands (tools/make_clock_strips.py draws them at build time).
#define VrxPIdbClockFaces 17060
#define VrxPIdbClockHands 17061
