#include "core/CObject.h"
#include <gtest/gtest.h>
TEST(CObject, Destroys) { CObject* o = new CObject; delete o; SUCCEED(); }
