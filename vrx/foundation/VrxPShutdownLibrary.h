#pragma once

// Releases the library's global resources; the application's exit calls it
// once, after its windows are gone. The library-wide objects themselves live
// on until the process ends.
void VrxPShutdownLibrary();
