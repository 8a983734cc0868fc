#pragma once
#include <windows.h>

// How long the server waits, once every application in it has quit, for its
// clients to release their last objects before it ends anyway.
constexpr UINT kQuitGraceMilliseconds = 3000;
// How long a started server waits for its first client.
constexpr UINT kStartGraceMilliseconds = 30000;
// How long a server without objects, which stopped serving new clients at
// once, stays for a client that was handed its class just before.
constexpr UINT kEndLingerMilliseconds = 500;

// When the server process ends: shortly after the last automation object is
// released; a grace period after every application in it has quit, even if
// a client still holds objects; and when no client came within a grace
// period after the start. All calls come in on the main thread (a
// single-threaded apartment), which runs the message loop in run().
class ServerLifetime {
public:
  static void object_created();
  static void object_destroyed();
  static void application_started();
  static void application_quit();
  // An application was released without quitting: its objects alone keep
  // the server.
  static void application_released();
  // Serves class_factory until the server ends.
  static HRESULT run(const CLSID& clsid, IUnknown* class_factory);

private:
  static void stop_serving();
  static void end();
  static void CALLBACK on_linger_over(HWND, UINT, UINT_PTR timer, DWORD);
  static void CALLBACK on_quit_grace_over(HWND, UINT, UINT_PTR timer, DWORD);
  static void CALLBACK on_start_grace_over(HWND, UINT, UINT_PTR timer, DWORD);
};
