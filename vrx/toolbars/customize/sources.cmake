# The customise sheet's pages and controls, part of vrx_toolbars.
set(VRX_TOOLBARS_CUSTOMIZE_SOURCES
  customize/CVrxPBarCheckList.cpp
  customize/CVrxPCustomizeCommandList.cpp
  customize/CVrxPCustomizePage.cpp
  customize/CVrxPToolbarTitleDialog.cpp
  customize/CVrxPToolbarsPage.cpp)
set(VRX_TOOLBARS_CUSTOMIZE_TEST_SOURCES
  customize/tests/CustomizeSheetPagesTest.cpp)
