list(APPEND FRAMEWORK_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleDataObject.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleDataSource.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleDateTime.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleDateTimeSpan.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleDispatchDriver.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleDispatchException.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleDropSource.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleDropTarget.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleException.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleVariant.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ole/COleVariantArchive.cpp
)
