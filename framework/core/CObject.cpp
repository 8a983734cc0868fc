#include "core/CObject.h"
CObject::~CObject() = default;
