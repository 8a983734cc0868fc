#include "CVrxPAppointmentBaseStorage.h"

IMPLEMENT_DYNAMIC(CVrxPAppointmentBaseStorage, CObject)
