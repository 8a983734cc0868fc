# The toolbars' portable pieces and their tests, shared by the Windows build
# (CMakeLists.txt) and the native one (native.cmake).
set(VRX_TOOLBARS_PORTABLE_SOURCES
  CVrxPStoredButton.cpp
  CVrxPToolbarLayout.cpp
  CVrxPToolbarResource.cpp)
set(VRX_TOOLBARS_PORTABLE_TEST_SOURCES
  tests/CVrxPStoredButtonTest.cpp
  tests/CVrxPToolbarLayoutTest.cpp
  tests/CVrxPToolbarResourceTest.cpp
  tests/StoredButtonSamples.cpp)
