#include <gtest/gtest.h>

#include <cerrno>
#include <netdb.h>

#include "net/SocketErrors.h"

namespace {

TEST(SocketErrors, TextsOfTheTable) {
    EXPECT_EQ(SocketErrorText(10061), "Connection refused");
    EXPECT_EQ(SocketErrorText(10059), "Too many references:can't splice");
    EXPECT_EQ(SocketErrorText(11001), "Host not found");
    EXPECT_EQ(SocketErrorText(11004), "Valid name, no data record of requested type");
    for (int outside : {0, 10010, 10072, 11000, 11005, -1, 2})
        EXPECT_EQ(SocketErrorText(outside), "Not a Winsock error") << outside;
}

TEST(SocketErrors, SystemErrorsMapOntoTheTable) {
    const std::pair<int, int> cases[] = {
        {ECONNREFUSED, 10061}, {ETIMEDOUT, 10060},   {EADDRINUSE, 10048},  {EACCES, 10013},
        {EPERM, 10013},        {EAGAIN, 10035},      {EINPROGRESS, 10036}, {ECONNRESET, 10054},
        {EPIPE, 10054},        {ENETDOWN, 10050},    {ENOTCONN, 10057},    {ENOPROTOOPT, 10042},
        {EHOSTUNREACH, 10065}, {ENETUNREACH, 10051},
    };
    for (const auto& [systemError, code] : cases)
        EXPECT_EQ(SocketErrorFromErrno(systemError), code) << systemError;
    EXPECT_EQ(SocketErrorText(SocketErrorFromErrno(ENOENT)), "Not a Winsock error");
}

TEST(SocketErrors, EveryMappedErrorHasAText) {
    for (int systemError = 1; systemError < 140; ++systemError) {
        const int code = SocketErrorFromErrno(systemError);
        if (code != systemError) {
            EXPECT_NE(SocketErrorText(code), "Not a Winsock error") << systemError;
        }
    }
}

TEST(SocketErrors, LookupResults) {
    EXPECT_EQ(SocketErrorFromLookup(0, 0), 0);
    EXPECT_EQ(SocketErrorFromLookup(EAI_NONAME, 0), 11001);
    EXPECT_EQ(SocketErrorFromLookup(EAI_AGAIN, 0), 11002);
    EXPECT_EQ(SocketErrorFromLookup(EAI_FAIL, 0), 11003);
    EXPECT_EQ(SocketErrorFromLookup(EAI_SYSTEM, ECONNREFUSED), 10061);
}

} // namespace
