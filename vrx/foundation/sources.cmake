# The foundation's portable pieces and their tests, shared by the Windows
# build (CMakeLists.txt) and the native one (native.cmake).
set(VRX_FOUNDATION_PORTABLE_SOURCES
  CVrxPArchivedValue.cpp
  CVrxPStoredAccelTable.cpp
  CVrxPStoredCommandImages.cpp
  CVrxPStoredMouseBindings.cpp
  CVrxPStoredRebarLayout.cpp
  CVrxPStoredUserTools.cpp
  CVrxPStoredWorkspace.cpp
  CVrxPUserToolRecord.cpp)
set(VRX_FOUNDATION_PORTABLE_TEST_SOURCES
  tests/CVrxPArchivedValueTest.cpp
  tests/CVrxPStoredAccelTableTest.cpp
  tests/CVrxPStoredCommandImagesTest.cpp
  tests/CVrxPStoredMouseBindingsTest.cpp
  tests/CVrxPStoredRebarLayoutTest.cpp
  tests/CVrxPStoredUserToolsTest.cpp
  tests/CVrxPStoredWorkspaceTest.cpp)
