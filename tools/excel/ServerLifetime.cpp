#include "ServerLifetime.h"

namespace {

LONG live_objects = 0;
LONG running_applications = 0;
bool client_came = false;
DWORD class_registration = 0;

}

void ServerLifetime::object_created()
{
  ++live_objects;
  client_came = true;
}

void ServerLifetime::object_destroyed()
{
  if (--live_objects > 0)
    return;
  // At once, so that the next client starts a server of its own.
  stop_serving();
  SetTimer(nullptr, 0, kEndLingerMilliseconds, on_linger_over);
}

void ServerLifetime::application_started()
{
  ++running_applications;
}

void ServerLifetime::application_quit()
{
  if (--running_applications == 0)
    SetTimer(nullptr, 0, kQuitGraceMilliseconds, on_quit_grace_over);
}

void ServerLifetime::application_released()
{
  --running_applications;
}

void ServerLifetime::stop_serving()
{
  if (class_registration)
    CoRevokeClassObject(class_registration);
  class_registration = 0;
}

void ServerLifetime::end()
{
  stop_serving();
  PostQuitMessage(0);
}

void CALLBACK ServerLifetime::on_linger_over(HWND, UINT, UINT_PTR timer, DWORD)
{
  KillTimer(nullptr, timer);
  if (live_objects == 0)
    end();
}

void CALLBACK ServerLifetime::on_quit_grace_over(HWND, UINT, UINT_PTR timer, DWORD)
{
  KillTimer(nullptr, timer);
  // An application that came during the grace period keeps the server.
  if (running_applications == 0)
    end();
}

void CALLBACK ServerLifetime::on_start_grace_over(HWND, UINT, UINT_PTR timer, DWORD)
{
  KillTimer(nullptr, timer);
  if (!client_came)
    end();
}

HRESULT ServerLifetime::run(const CLSID& clsid, IUnknown* class_factory)
{
  // Many uses: Wine's activation of single-use servers fails clients that
  // start at the same moment; each client's application is separate anyway.
  HRESULT registered =
    CoRegisterClassObject(clsid, class_factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &class_registration);
  if (FAILED(registered))
    return registered;
  SetTimer(nullptr, 0, kStartGraceMilliseconds, on_start_grace_over);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return S_OK;
}
