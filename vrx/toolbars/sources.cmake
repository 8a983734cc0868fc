# The toolbars' portable pieces and their tests, shared by the Windows build
# (CMakeLists.txt) and the native one (native.cmake).
set(VRX_TOOLBARS_PORTABLE_SOURCES
  CVrxPCommandUsage.cpp
  CVrxPMenuAnimation.cpp
  CVrxPPopupMenuLayout.cpp
  CVrxPPopupMenuPlacement.cpp
  CVrxPStoredButton.cpp
  CVrxPTearOffIdPool.cpp
  CVrxPToolbarLayout.cpp)
set(VRX_TOOLBARS_PORTABLE_TEST_SOURCES
  tests/CVrxPCommandUsageTest.cpp
  tests/CVrxPMenuAnimationTest.cpp
  tests/CVrxPPopupMenuLayoutTest.cpp
  tests/CVrxPPopupMenuPlacementTest.cpp
  tests/CVrxPStoredButtonTest.cpp
  tests/CVrxPTearOffIdPoolTest.cpp
  tests/CVrxPToolbarLayoutTest.cpp
  tests/StoredButtonSamples.cpp)
