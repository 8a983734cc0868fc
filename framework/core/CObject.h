#pragma once
#include "core/FrameworkApi.h"

class FRAMEWORK_API CObject {
public:
  virtual ~CObject();
};
