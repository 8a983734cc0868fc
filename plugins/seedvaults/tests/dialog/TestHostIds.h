#pragma once

#define IDR_TEST_HOST 100
#define TEST_HOST_FRAME_CLASS "SeedvaultsTestHostFrame"
#define TEST_HOST_PLUGIN "seedvaults.dll"
