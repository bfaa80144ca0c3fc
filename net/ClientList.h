#pragma once

#include <vector>

// The sockets of a server's connected clients, in the order of acceptance.
class TClientList {
  public:
    bool Add(int Socket);    // false when the list cannot grow
    void Remove(int Socket); // the first equal entry, if any
    void Clear() { m_items.clear(); }
    int Count() const { return static_cast<int>(m_items.size()); }
    int Items(int Index) const { return m_items.at(static_cast<std::size_t>(Index)); }
    bool Contains(int Socket) const;

  private:
    std::vector<int> m_items;
};
