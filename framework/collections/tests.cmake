korvo_add_test(framework_collections_tests
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/collections/tests/CArrayTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/collections/tests/CListTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/collections/tests/CMapTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/collections/tests/SerializationTest.cpp
  LIBS framework)
