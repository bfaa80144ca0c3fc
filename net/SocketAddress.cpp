#include "net/SocketAddress.h"

#include <arpa/inet.h>
#include <cstring>
#include <net/if.h>

uint16_t SocketAddress::Port() const {
    if (Family() == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in*>(&Storage)->sin_port);
    if (Family() == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6*>(&Storage)->sin6_port);
    return 0;
}

void SocketAddress::SetPort(uint16_t port) {
    if (Family() == AF_INET) reinterpret_cast<sockaddr_in*>(&Storage)->sin_port = htons(port);
    if (Family() == AF_INET6) reinterpret_cast<sockaddr_in6*>(&Storage)->sin6_port = htons(port);
}

bool operator==(const SocketAddress& a, const SocketAddress& b) {
    return a.Length == b.Length && std::memcmp(&a.Storage, &b.Storage, a.Length) == 0;
}

std::optional<SocketAddress> AddressFrom(const sockaddr* raw, socklen_t length) {
    if (!raw) return std::nullopt;
    const bool known = (raw->sa_family == AF_INET && length >= sizeof(sockaddr_in)) ||
                       (raw->sa_family == AF_INET6 && length >= sizeof(sockaddr_in6));
    if (!known || length > sizeof(sockaddr_storage)) return std::nullopt;
    SocketAddress address;
    address.Length = raw->sa_family == AF_INET ? sizeof(sockaddr_in) : sizeof(sockaddr_in6);
    std::memcpy(&address.Storage, raw, address.Length);
    return address;
}

std::optional<SocketAddress> EndOf(int socket, int (*lookUp)(int, sockaddr*, socklen_t*)) {
    sockaddr_storage storage{};
    socklen_t length = sizeof storage;
    if (socket == -1 || lookUp(socket, reinterpret_cast<sockaddr*>(&storage), &length) != 0)
        return std::nullopt;
    return AddressFrom(reinterpret_cast<const sockaddr*>(&storage), length);
}

SocketAddress AnyAddress(int family, uint16_t port) {
    SocketAddress address;
    if (family == AF_INET6) {
        auto* any = reinterpret_cast<sockaddr_in6*>(&address.Storage);
        any->sin6_family = AF_INET6;
        any->sin6_addr = in6addr_any;
        address.Length = sizeof(sockaddr_in6);
    } else {
        auto* any = reinterpret_cast<sockaddr_in*>(&address.Storage);
        any->sin_family = AF_INET;
        any->sin_addr.s_addr = htonl(INADDR_ANY);
        address.Length = sizeof(sockaddr_in);
    }
    address.SetPort(port);
    return address;
}

std::string AddressText(const SocketAddress& address) {
    char text[INET6_ADDRSTRLEN + IF_NAMESIZE + 2] = {};
    if (address.Family() == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(&address.Storage)->sin_addr, text,
                  sizeof text);
        return text;
    }
    if (address.Family() != AF_INET6) return {};
    const auto* six = reinterpret_cast<const sockaddr_in6*>(&address.Storage);
    if (IN6_IS_ADDR_V4MAPPED(&six->sin6_addr)) {
        inet_ntop(AF_INET, six->sin6_addr.s6_addr + 12, text, sizeof text);
        return text;
    }
    inet_ntop(AF_INET6, &six->sin6_addr, text, sizeof text);
    std::string shown = text;
    char zone[IF_NAMESIZE] = {};
    if (six->sin6_scope_id != 0 && if_indextoname(six->sin6_scope_id, zone)) shown += std::string("%") + zone;
    return shown;
}
