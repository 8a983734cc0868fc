#pragma once

// Framework-internal: how the framework tells the user about an exception it
// stopped (at the window procedure, in UpdateData).

#include "core/CException.h"

// A message box with the exception's own message, or a general one; nothing
// for a CUserException, whose message was shown before it was thrown. Deletes
// the exception.
void AfxReportException(CException* e);
// The same for an exception that is not the framework's; lpszWhat is its
// description, when it has one.
void AfxReportForeignException(LPCSTR lpszWhat);
