#pragma once
#include "controls/CComboBox.h"
#include "controls/CEdit.h"
#include "controls/CStatic.h"

// The field editor's controls, made at run time in the parent's font: a
// sunken centred label, an edit with a client edge, and a drop-down list.
// The caller owns the object; null when the window cannot be made.
CStatic* create_field_static(CWnd* parent, UINT id, const char* text, const RECT& rect);
CEdit* create_field_edit(CWnd* parent, UINT id, const RECT& rect);
CComboBox* create_field_combo(CWnd* parent, UINT id, const RECT& rect);
