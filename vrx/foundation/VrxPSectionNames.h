#pragma once

// The registry sections and values under which the library stores its
// state, and its other shared strings. A leading backslash is part of the
// name.

// Toolbar states; the command manager stores under the same section.
constexpr const char VrxPSectionToolBars[] = "VrxToolBars";
constexpr const char VrxPSectionMenuBar[] = "VrxMenuBar";
// Appended to the workspace's registry base: the framework dock-state profile.
constexpr const char VrxPSectionControlBarsSuffix[] = "\\ControlBars";
constexpr const char VrxPSectionWindowPlacement[] = "WindowPlacement";
constexpr const char VrxPValueMainWindowRect[] = "MainWindowRect";
constexpr const char VrxPValueFlags[] = "Flags";
constexpr const char VrxPValueShowCmd[] = "ShowCmd";
constexpr const char VrxPSectionVersion[] = "VrxControlBarVersion";
constexpr const char VrxPValueMajor[] = "Major";
constexpr const char VrxPValueMinor[] = "Minor";
constexpr const char VrxPSectionDockManagers[] = "VrxPDockManagers";
constexpr const char VrxPSectionTearOffBars[] = "ControlBars-TearOff";
constexpr const char VrxPSectionControlBars[] = "VrxControlBars";
constexpr const char VrxPSectionBaseControlBars[] = "VrxPBaseControlBars";
constexpr const char VrxPSectionMDIClientArea[] = "MDIClientArea";
constexpr const char VrxPSectionContextMenuManager[] = "VrxContextMenuManager";
constexpr const char VrxPSectionUserToolsManager[] = "VrxUserToolsManager";
constexpr const char VrxPValueTools[] = "Tools";
constexpr const char VrxPSectionKeyboardManager[] = "VrxPKeyboardManager";
constexpr const char VrxPValueMouse[] = "Mouse";
constexpr const char VrxPSectionMouseManager[] = "VrxMouseManager";
constexpr const char VrxPSectionRebarFormat[] = "VrxRebar-%ld";
constexpr const char VrxPValueRebarBands[] = "RBI";
constexpr const char VrxPValueRebarIds[] = "IDs";
constexpr const char VrxPSectionOutlookBars[] = "VrxPOutlookBars";
constexpr const char VrxPSectionOutlookCustomPages[] = "VrxPOutlookCustomPages";
constexpr const char VrxPSectionAppBars[] = "VrxPAppBars";
constexpr const char VrxPSectionTasksPanes[] = "VrxPTasksPanes";
constexpr const char VrxPPlannerClipboardFormat[] = "VrxPPlannerManagerClpFmt";

// Joins several shortcut texts.
constexpr const char VrxPShortcutSeparator[] = "; ";

// Faces of the library's fonts.
constexpr const char VrxPFaceTahoma[] = "Tahoma";
constexpr const char VrxPFaceMSSansSerif[] = "MS Sans Serif";
constexpr const char VrxPFaceArial[] = "Arial";
constexpr const char VrxPFaceMarlett[] = "Marlett";
