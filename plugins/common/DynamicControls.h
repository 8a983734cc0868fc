#pragma once
#include "controls/CButton.h"
#include "controls/CEdit.h"
#include "controls/CStatic.h"

// Controls made at run time as visible children of a dialog, with an id, a
// rectangle in the parent's client pixels, extra style bits and the parent's
// font. The caller owns the object; deleting it destroys the window. Null
// when the window cannot be made.
constexpr DWORD kDynamicButtonStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDynamicStaticStyle = WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTER;
constexpr DWORD kDynamicEditStyle = WS_CHILD | WS_VISIBLE | ES_WANTRETURN | ES_AUTOHSCROLL;

CButton* create_dynamic_button(CWnd* parent, UINT id, const char* text, const RECT& rect, DWORD style = 0);
CStatic* create_dynamic_static(CWnd* parent, UINT id, const char* text, const RECT& rect, DWORD style = 0);
// The edit gets a static edge; it starts empty.
CEdit* create_dynamic_edit(CWnd* parent, UINT id, const RECT& rect, DWORD style = 0);
