# The native build's part of zim: the upgrade link and its frames (see
# cmake/KorvoNative.cmake).
korvo_native_library(zim_native
  SOURCES
    LinkFrames.cpp
    UpgradeLink.cpp
    ZimEngine.cpp
    ZimFunctionList.cpp
    ZimStatusText.cpp
  INCLUDES . ../tailor/formats
  LIBS bus_native crc32_native)

korvo_native_test(zim_native_tests
  SOURCES
    tests/FakeConnector.cpp
    tests/FakeTarget.cpp
    tests/LinkFramesTest.cpp
    tests/RecordingView.cpp
    tests/ScriptedChannel.cpp
    tests/UpgradeLinkTest.cpp
    tests/ZimEngineTest.cpp
    tests/ZimFunctionListTest.cpp
    tests/ZimStatusTextTest.cpp
  INCLUDES ../../bus/tests
  LIBS zim_native)

korvo_fuzz_target(upgrade_link_fuzz
  SOURCES tests/fuzz/UpgradeLinkFuzz.cpp tests/RecordingView.cpp
  INCLUDES tests
  LIBS zim_native
  CORPUS tests/fuzz/corpus/upgrade_link_fuzz)
