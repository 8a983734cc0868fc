#pragma once

// Set when the system colours change: the docking pane that hands out the
// smart-docking guide makes a new one in the new colours and clears it.
extern int VrxPSmartDockingRebuild;
