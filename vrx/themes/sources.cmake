# The looks' portable pieces and their tests, shared by the Windows build
# (CMakeLists.txt) and the native one (native.cmake).
set(VRX_THEMES_PORTABLE_SOURCES
  2007/CVrxPStyleReader.cpp)
set(VRX_THEMES_PORTABLE_TEST_SOURCES
  2007/tests/CVrxPStyleReaderTest.cpp)
