#include "SimulatorControl.h"
#include <winsock2.h>
#include <ws2tcpip.h>

namespace {

constexpr DWORD kAnswerLimit = 10000;

}  // namespace

SimulatorControl::SimulatorControl(int port) : port_(port)
{
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
}

SimulatorControl::~SimulatorControl()
{
  WSACleanup();
}

std::string SimulatorControl::command(const std::string& line) const
{
  SOCKET connection = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (connection == INVALID_SOCKET) {
    return "";
  }
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(port_));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  DWORD limit = kAnswerLimit;
  setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limit), sizeof limit);
  std::string answer;
  if (connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    std::string sent = line + "\n";
    send(connection, sent.data(), static_cast<int>(sent.size()), 0);
    char c = 0;
    while (recv(connection, &c, 1, 0) == 1 && c != '\n') {
      answer += c;
    }
  }
  closesocket(connection);
  return answer;
}
