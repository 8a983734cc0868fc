#include "docking/VrxPSmartDocking.h"

int VrxPSmartDockingRebuild = 0;
