#include "HostMessage.h"
#ifdef _WIN32
#include "app/AfxMessageBox.h"
#else
#include <cstdio>
#endif

void show_host_message(const std::string& text)
{
#ifdef _WIN32
  AfxMessageBox(text.c_str(), MB_OK);
#else
  // The native test and fuzzing build has no window to show it in.
  std::fprintf(stderr, "%s\n", text.c_str());
#endif
}
