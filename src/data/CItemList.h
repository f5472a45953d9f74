#pragma once

#include <algorithm>
#include <list>
#include <type_traits>

// The one list container of the program: records held by pointer (owned or not) or plain ids.
template <typename Item> class CItemList {
    static_assert(std::is_pointer_v<Item> || std::is_integral_v<Item>,
                  "CItemList holds record pointers or plain ids");

public:
    using iterator = typename std::list<Item>::iterator;
    using const_iterator = typename std::list<Item>::const_iterator;

    CItemList() = default;
    explicit CItemList(bool ownsItems) : m_bOwnsItems(ownsItems) {}
    ~CItemList() { RemoveAll(); }

    CItemList(const CItemList&) = delete;
    CItemList& operator=(const CItemList&) = delete;

    int Append(Item item) {
        m_items.push_back(item);
        return 1;
    }

    // The first position, from the head, holding the item; end() when absent.
    iterator Find(Item item) { return std::find(m_items.begin(), m_items.end(), item); }
    const_iterator Find(Item item) const { return std::find(m_items.begin(), m_items.end(), item); }
    bool Contains(Item item) const { return Find(item) != m_items.end(); }

    int Remove(Item item) {
        auto node = Find(item);
        if (node == m_items.end())
            return 0;
        Free(*node);
        m_items.erase(node);
        return 1;
    }

    // Moves every item of the other list to the end of this one.
    void TakeAll(CItemList& other) { m_items.splice(m_items.end(), other.m_items); }

    // The same items in another order: the list keeps owning them.
    template <typename Items> void Reorder(const Items& order) {
        m_items.assign(order.begin(), order.end());
    }

    void RemoveAll() {
        for (Item item : m_items)
            Free(item);
        m_items.clear();
    }

    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    Item GetHead() const { return m_items.empty() ? Item{} : m_items.front(); }
    Item GetTail() const { return m_items.empty() ? Item{} : m_items.back(); }
    void SetOwnsItems(bool owns) { m_bOwnsItems = owns; }

    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

private:
    void Free(Item item) {
        if constexpr (std::is_pointer_v<Item>) {
            if (m_bOwnsItems)
                delete item;
        }
    }

    std::list<Item> m_items;
    bool m_bOwnsItems = true;
};

// A list of plain ids never owns anything.
using CIdList = CItemList<int>;
