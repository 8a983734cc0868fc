# The foundation's portable pieces and their tests, shared by the Windows
# build (CMakeLists.txt) and the native one (native.cmake).
set(VRX_FOUNDATION_PORTABLE_SOURCES
  CVrxPStoredRebarLayout.cpp)
set(VRX_FOUNDATION_PORTABLE_TEST_SOURCES
  tests/CVrxPStoredRebarLayoutTest.cpp)
