#pragma once

#include <algorithm>
#include <list>
#include <type_traits>

// The one list container of the program: records held by pointer (owned or not) or plain ids.
// A cursor marks the current position; Remove moves it to the neighbour of the removed item.
template <typename Item> class CItemList {
    static_assert(std::is_pointer_v<Item> || std::is_integral_v<Item>,
                  "CItemList holds record pointers or plain ids");

public:
    using iterator = typename std::list<Item>::iterator;
    using const_iterator = typename std::list<Item>::const_iterator;

    CItemList() = default;
    explicit CItemList(bool ownsItems) : m_bOwnsItems(ownsItems ? 1 : 0) {}
    ~CItemList() { RemoveAll(); }

    CItemList(const CItemList&) = delete;
    CItemList& operator=(const CItemList&) = delete;

    int Append(Item item) {
        m_items.push_back(item);
        if (m_items.size() == 1)
            m_cursor = m_items.begin();
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
        auto next = std::next(node);
        if (next != m_items.end())
            m_cursor = next;
        else
            m_cursor = node == m_items.begin() ? m_items.end() : std::prev(node);
        Free(*node);
        m_items.erase(node);
        return 1;
    }

    // Moves every item of the other list to the end of this one.
    void TakeAll(CItemList& other) {
        const bool wasEmpty = m_items.empty();
        m_items.splice(m_items.end(), other.m_items);
        other.m_cursor = other.m_items.end();
        if (wasEmpty)
            m_cursor = m_items.begin();
    }

    // The same items in another order: the list keeps owning them; the cursor goes to the head.
    template <typename Items> void Reorder(const Items& order) {
        m_items.assign(order.begin(), order.end());
        m_cursor = m_items.begin();
    }

    void RemoveAll() {
        for (Item item : m_items)
            Free(item);
        m_items.clear();
        m_cursor = m_items.end();
    }

    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    Item GetHead() const { return m_items.empty() ? Item{} : m_items.front(); }
    Item GetTail() const { return m_items.empty() ? Item{} : m_items.back(); }
    // The cursor's item; a null item (or 0) when the list is empty.
    Item GetCursor() const { return m_cursor == m_items.end() ? Item{} : *m_cursor; }
    bool HasCursor() const { return m_cursor != m_items.end(); }

    bool OwnsItems() const { return m_bOwnsItems != 0; }
    void SetOwnsItems(bool owns) { m_bOwnsItems = owns ? 1 : 0; }

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
    iterator m_cursor = m_items.end();
    int m_bOwnsItems = 1;
};

// A list of plain ids never owns anything.
using CIdList = CItemList<int>;
