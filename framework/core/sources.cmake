list(APPEND FRAMEWORK_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/core/CDumpContext.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/CException.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/CObject.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/CRuntimeClass.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/core/Diagnostics.cpp
)
