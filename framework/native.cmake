# The native build's part of the framework: run-time classes, exceptions,
# strings, collections, archives over memory files, variants and dates (see
# cmake/KorvoNative.cmake). core/PortableWin32 and ole/PortableAutomation
# stand in for the Win32 and automation functions these call; files there
# are memory files only (files/CFileNative.cpp).
korvo_native_library(framework_native
  SOURCES
    core/CDumpContext.cpp
    core/CException.cpp
    core/CObject.cpp
    core/CRuntimeClass.cpp
    core/Diagnostics.cpp
    core/PortableWin32.cpp
    strings/CString.cpp
    collections/CByteArray.cpp
    collections/CDWordArray.cpp
    collections/CMapStringToOb.cpp
    collections/CMapStringToString.cpp
    collections/CMapWordToOb.cpp
    collections/CObArray.cpp
    collections/CObList.cpp
    collections/CStringArray.cpp
    collections/CStringList.cpp
    collections/CWordArray.cpp
    files/CArchive.cpp
    files/CFileNative.cpp
    files/CMemFile.cpp
    ole/COleDateTime.cpp
    ole/COleDateTimeSpan.cpp
    ole/COleException.cpp
    ole/COleVariant.cpp
    ole/COleVariantArchive.cpp
    ole/PortableAutomation.cpp)

korvo_fuzz_target(framework_archive_fuzz
  SOURCES tests/fuzz/FrameworkArchiveFuzz.cpp tests/fuzz/ArchiveFuzzObjects.cpp
  LIBS framework_native
  CORPUS tests/fuzz/corpus/framework_archive_fuzz)

# Writes that harness's seeds again: framework_archive_seeds <corpus folder>.
add_executable(framework_archive_seeds
  ${CMAKE_CURRENT_LIST_DIR}/tests/fuzz/FrameworkArchiveSeeds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/fuzz/ArchiveFuzzObjects.cpp)
target_link_libraries(framework_archive_seeds PRIVATE framework_native)

korvo_native_test(framework_archive_native_tests
  SOURCES
    files/tests/ArchiveBytes.cpp
    files/tests/ArchiveDamageTest.cpp
    files/tests/ArchiveFormatTest.cpp
    files/tests/ArchiveObjectTest.cpp
    files/tests/SampleObjects.cpp
  LIBS framework_native)
