#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <netinet/in.h>
#include <sys/socket.h>

// One end of a connection, IPv4 or IPv6, in the form the system's socket calls take.
struct SocketAddress {
    sockaddr_storage Storage{};
    socklen_t Length = 0;

    int Family() const { return Storage.ss_family; }
    const sockaddr* Raw() const { return reinterpret_cast<const sockaddr*>(&Storage); }
    // The port, in host order.
    uint16_t Port() const;
    void SetPort(uint16_t port);
    friend bool operator==(const SocketAddress& a, const SocketAddress& b);
};

// The address from a system call's result; nothing for a length that is no known family's.
std::optional<SocketAddress> AddressFrom(const sockaddr* raw, socklen_t length);
// The address of one end of a socket: its own with getsockname, its peer's with getpeername.
std::optional<SocketAddress> EndOf(int socket, int (*lookUp)(int, sockaddr*, socklen_t*));
// Any local address of a family at a port: where a server listens.
SocketAddress AnyAddress(int family, uint16_t port);

// The address as a person writes it: dotted for IPv4, and for an IPv4 caller of an IPv6
// socket (::ffff:a.b.c.d) too; the usual text otherwise, with its zone ("fe80::1%eth0").
std::string AddressText(const SocketAddress& address);
