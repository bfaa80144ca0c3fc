#pragma once

#include <string_view>

// Socket error codes as the game reports them: the classic Windows Sockets numbers, so that
// the texts shown to the user are the same on every platform. The system's own error numbers
// (errno, getaddrinfo results) are translated onto these codes in one table, in SocketErrors.cpp.
namespace SocketError {
inline constexpr int Interrupted = 10004;
inline constexpr int PermissionDenied = 10013;
inline constexpr int WouldBlock = 10035;
inline constexpr int ProtocolNotAvailable = 10042;
inline constexpr int ProtocolNotSupported = 10043;
inline constexpr int AddressInUse = 10048;
inline constexpr int NetworkDown = 10050;
inline constexpr int NoBufferSpace = 10055;
inline constexpr int NotConnected = 10057;
inline constexpr int TimedOut = 10060;
inline constexpr int ConnectionRefused = 10061;
inline constexpr int ConnectionReset = 10054;
inline constexpr int HostNotFound = 11001;
inline constexpr int TryAgain = 11002;
inline constexpr int NonRecoverable = 11003;
inline constexpr int NoData = 11004;
} // namespace SocketError

// The fixed English text of a code; "Not a Winsock error" for every code outside the table.
std::string_view SocketErrorText(int code);

// The code for a system error number (errno). An errno without a counterpart keeps its own
// number, which the table does not know, so its text is "Not a Winsock error".
int SocketErrorFromErrno(int systemError);

// The code for a getaddrinfo result (EAI_*); `systemError` is errno, used for EAI_SYSTEM.
int SocketErrorFromLookup(int lookupResult, int systemError);
