#include "app/CSyncObject.h"

CSyncObject::~CSyncObject() = default;
