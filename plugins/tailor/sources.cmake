# tailor's portable format cores and their tests, shared by the Windows build
# (CMakeLists.txt) and the native one (native.cmake).
set(TAILOR_FORMAT_SOURCES
  formats/BlockData.cpp
  formats/BlockCrc.cpp
  formats/BlockScript.cpp
  formats/FlashImageAnalysis.cpp
  formats/HardwareInfo.cpp
  formats/ImageBytes.cpp
  formats/NewFlashImage.cpp
  formats/PresetBlock.cpp
  formats/PresetPacker.cpp)
set(TAILOR_FORMAT_TEST_SOURCES
  tests/BlockDataTest.cpp
  tests/BlockScriptTest.cpp
  tests/FlashImageAnalysisTest.cpp
  tests/HardwareInfoTest.cpp
  tests/ImageBuilder.cpp
  tests/NewFlashImageTest.cpp)
