# The docking's portable pieces and their tests, shared by the Windows build
# (CMakeLists.txt) and the native one (native.cmake).
set(VRX_DOCKING_PORTABLE_SOURCES
  CVrxPDockStateRecord.cpp
  CVrxPStoredBarRecord.cpp
  frames/CVrxPCaptionBarLayout.cpp
  mdi/CVrxPMDITabsState.cpp
  smart/CVrxPSmartDockingLayout.cpp)
set(VRX_DOCKING_PORTABLE_TEST_SOURCES
  tests/CVrxPDockStateRecordTest.cpp
  tests/CVrxPStoredBarRecordTest.cpp
  frames/tests/CVrxPCaptionBarLayoutTest.cpp
  tests/CVrxPMDITabsStateTest.cpp
  smart/tests/CVrxPSmartDockingLayoutTest.cpp)
