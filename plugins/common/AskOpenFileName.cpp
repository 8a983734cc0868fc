#include "AskOpenFileName.h"
#include <commdlg.h>

bool ask_open_file_name(HWND owner, const char* filter, char* path)
{
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = path;
  dialog.nMaxFile = kOpenFilePathSize;
  dialog.lpstrDefExt = "hex";
  dialog.Flags = OFN_EXPLORER;
  return GetOpenFileNameA(&dialog) != FALSE;
}
