#include "HostMessage.h"
#include "app/AfxMessageBox.h"

void show_host_message(const std::string& text)
{
  AfxMessageBox(text.c_str(), MB_OK);
}
