# Frames, MDI, views, form views, documents and templates.
list(APPEND FRAMEWORK_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CCreateContext.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CDocManager.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CDocTemplate.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CDockState.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CDocument.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CFormView.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CFrameWnd.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CFrameWndLayout.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CMDIChildWnd.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CMDIFrameWnd.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CMiniFrameWnd.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CMultiDocTemplate.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CScrollView.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/frames/CView.cpp
)
