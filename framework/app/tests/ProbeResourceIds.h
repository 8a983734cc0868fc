#pragma once

// Resources of the test program and of its two probe extension DLLs, placed
// so that the chain's order decides which module answers.

// In the test program and in both probes.
#define IDS_EXE_AND_PROBES 0x7000
// In both probes; the program has a string in the same block of 16.
#define IDS_PROBES_ONLY 0x7001
// In the second probe only.
#define IDS_SECOND_PROBE_ONLY 0x7002
// A dialog template in the first probe only.
#define IDD_FIRST_PROBE 0x7100
