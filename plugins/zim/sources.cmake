# zim's core and its tests, shared by the Windows build (CMakeLists.txt) and
# the native one (native.cmake).
set(ZIM_CORE_SOURCES
  LinkFrames.cpp
  UpgradeLink.cpp
  ZimEngine.cpp
  ZimFunctionList.cpp
  ZimStatusText.cpp)
set(ZIM_CORE_TEST_SOURCES
  tests/FakeConnector.cpp
  tests/FakeTarget.cpp
  tests/LinkFramesTest.cpp
  tests/RecordingView.cpp
  tests/ScriptedChannel.cpp
  tests/UpgradeLinkTest.cpp
  tests/ZimEngineTest.cpp
  tests/ZimFunctionListTest.cpp
  tests/ZimStatusTextTest.cpp)
