#pragma once

// An opaque place in a list or map, handed out by the container and given
// back to it; NULL marks the end.
struct AFX_POSITION_TAG;
typedef AFX_POSITION_TAG* POSITION;

// A map's start position: before its first entry.
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(-1))
