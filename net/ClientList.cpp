#include "net/ClientList.h"

#include <algorithm>
#include <new>

bool TClientList::Add(int Socket) {
    try {
        m_items.push_back(Socket);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void TClientList::Remove(int Socket) {
    const auto found = std::find(m_items.begin(), m_items.end(), Socket);
    if (found != m_items.end()) m_items.erase(found);
}

bool TClientList::Contains(int Socket) const {
    return std::find(m_items.begin(), m_items.end(), Socket) != m_items.end();
}
