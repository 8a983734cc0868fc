# The docking's portable pieces and their tests, shared by the Windows build
# (CMakeLists.txt) and the native one (native.cmake).
set(VRX_DOCKING_PORTABLE_SOURCES
  CVrxPStoredBarRecord.cpp
  mdi/CVrxPMDITabsState.cpp)
set(VRX_DOCKING_PORTABLE_TEST_SOURCES
  tests/CVrxPStoredBarRecordTest.cpp
  tests/CVrxPMDITabsStateTest.cpp)
