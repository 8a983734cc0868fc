#pragma once

// What the colour dialog's two pages share: the owning dialog, and keys left
// to that dialog so Tab, Enter and Escape work across the whole dialog.

#include "dialogs/CDialog.h"

class CVrxPColorsDialog;

class CColorPage : public CDialog
{
public:
    CColorPage() : dialog(nullptr) {}

    BOOL PreTranslateMessage(MSG*) override { return FALSE; }

    CVrxPColorsDialog* dialog;
};
