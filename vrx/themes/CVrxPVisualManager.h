#pragma once

// The drawing interface of the whole library and its base look: the classic
// three-dimensional appearance built from the system colours. There is one
// current manager per process, created on first use by Instance from the
// selected look class.

#include "foundation/CVrxPToolTipOptions.h"
#include "themes/CVrxPThemeWrapper.h"

class CVrxPVisualManager : public CVrxPThemeWrapper
{
    DECLARE_DYNCREATE(CVrxPVisualManager)
public:
    static constexpr COLORREF basePlannerHighlightColor = RGB(255, 255, 0);
    static constexpr COLORREF basePlannerGridColor = RGB(128, 128, 128);

    // A temporary manager is an ordinary local object: it never becomes
    // current and leaves the global colours and docking settings alone.
    explicit CVrxPVisualManager(BOOL bTemporary = FALSE);
    ~CVrxPVisualManager() override;

    // The current manager, created (from the selected class, else the base
    // look) when there is none. Callers ask each time: a new look replaces it.
    static CVrxPVisualManager* Instance();
    // Deletes the current manager (only one the accessor created, when
    // bOnlyAutoDelete) and clears the current pointer.
    static void DestroyInstance(BOOL bOnlyAutoDelete = FALSE);
    // Makes lookClass (null: the base look) the look: the current manager
    // goes, the next use creates one of the new class, and every library
    // frame hears of the change. A class that is no look changes nothing.
    static void SelectClass(CRuntimeClass* pLookClass);
    static CRuntimeClass* SelectedClass();
    // "VrxM_CHANGEVISUALMANAGER" to every library frame.
    static void NotifyFramesOfChange();
    static void RedrawAllLibraryWindows();
    void ApplyLook2000Option(BOOL bOn);

    virtual void ReloadPalette();
    // -1: no highlight colour; greyed disabled images stay unmixed.
    virtual COLORREF QueryImageHighlightColor();
    // The base colour of disabled images and image drop shades.
    virtual COLORREF QueryDisabledImageColor();
    // Fills the whole record for tooltips of a kind (-1: any kind).
    virtual void QueryToolTipParams(CVrxPToolTipOptions& options, UINT nKind = static_cast<UINT>(-1));

    // A hot image is drawn over its own shade: image lists build drop-shade
    // images for it.
    // Single-line grippers and flat caption buttons.
    BOOL look2000;
    int menuShadeDepth;
    BOOL flatButtons;
    BOOL shadeHotImages;
    // Disabled images are drawn embossed, in the light-edge colour one pixel
    // down and right first.
    BOOL embossDisabled;
    BOOL fadeInactiveImages;
    BOOL halftoneCheckedButtons;
    BOOL markCheckedMenuImages;
    BOOL temporary;
    // A top-level popup menu joins the button that opened it.
    BOOL connectMenuToButton;
    int menuBorderSize;
    COLORREF plannerHighlightColor;
    COLORREF plannerGridColor;
    // Set by the accessor for the manager it creates.
    BOOL autoDelete;
};
