#pragma once

// Opens the showcase, prints the median and spread of a full repaint and of
// a look switch with its repaint, and answers the program's exit code.
int RunLookBenchmark();
