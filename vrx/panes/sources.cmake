# The panes' portable pieces and their tests, shared by the Windows build
# (CMakeLists.txt) and the native one (native.cmake).
set(VRX_PANES_PORTABLE_SOURCES
  CVrxPStoredTabs.cpp
  navigation/CVrxPOutlookCustomPages.cpp
  navigation/CVrxPTasksPaneHistory.cpp
  navigation/CVrxPTasksPaneState.cpp)
set(VRX_PANES_PORTABLE_TEST_SOURCES
  tests/CVrxPStoredTabsTest.cpp
  navigation/tests/CVrxPOutlookCustomPagesTest.cpp
  navigation/tests/CVrxPTasksPaneHistoryTest.cpp
  navigation/tests/CVrxPTasksPaneStateTest.cpp)
