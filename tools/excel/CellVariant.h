#pragma once
#include "SheetModel.h"
#include <windows.h>
#include <oleauto.h>

// The longest text a cell holds.
constexpr std::size_t kMaxCellText = 32767;

// value as a VARIANT: VT_EMPTY, VT_R8 or VT_BSTR.
void variant_from_cell(const CellValue& value, VARIANT& result);
// The cell value that value stands for: empty for VT_EMPTY and VT_NULL, a
// text for a string, a number for any numeric or date type. Anything else
// (booleans, errors, objects, arrays) is refused with an ArgumentError for
// position, a number that is not finite and a text over 32,767 characters
// with an AutomationError.
CellValue cell_from_variant(const VARIANT& value, unsigned position);
