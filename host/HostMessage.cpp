#include "HostMessage.h"
#include "app/AfxMessageBox.h"

namespace {

void show_message_box(const std::string& text)
{
  AfxMessageBox(text.c_str(), MB_OK);
}

HostMessageDisplay current_display = &show_message_box;

}  // namespace

void show_host_message(const std::string& text)
{
  current_display(text);
}

HostMessageDisplay set_host_message_display(HostMessageDisplay display)
{
  HostMessageDisplay previous = current_display;
  current_display = display != nullptr ? display : &show_message_box;
  return previous;
}
