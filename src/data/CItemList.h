// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

// The records the list owns, in order. Iterating gives plain pointers, valid while their
// record stays in the list; lists that only point at records elsewhere are QList<Record*>.
template <typename Record> class CItemList {
    using Owned = std::vector<std::unique_ptr<Record>>;

public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Record*;
        using difference_type = std::ptrdiff_t;
        using pointer = Record* const*;
        using reference = Record*;

        const_iterator() = default;
        explicit const_iterator(typename Owned::const_iterator at) : m_at(at) {}
        Record* operator*() const { return m_at->get(); }
        const_iterator& operator++() {
            ++m_at;
            return *this;
        }
        const_iterator operator++(int) { return const_iterator(m_at++); }
        bool operator==(const const_iterator& other) const { return m_at == other.m_at; }
        bool operator!=(const const_iterator& other) const { return m_at != other.m_at; }

    private:
        typename Owned::const_iterator m_at;
    };

    CItemList() = default;
    CItemList(CItemList&&) noexcept = default;
    CItemList& operator=(CItemList&&) noexcept = default;

    // The record, now the list's; answered for the caller to fill in.
    Record* Append(std::unique_ptr<Record> item) {
        m_items.push_back(std::move(item));
        return m_items.back().get();
    }

    bool Contains(const Record* item) const { return Position(item) != m_items.end(); }

    // The record handed back to the caller; null when the list does not hold it.
    std::unique_ptr<Record> Take(const Record* item) {
        const auto at = Position(item);
        if (at == m_items.end())
            return nullptr;
        std::unique_ptr<Record> taken = std::move(*at);
        m_items.erase(at);
        return taken;
    }

    // Frees the record; false when the list does not hold it.
    bool Remove(const Record* item) { return Take(item) != nullptr; }

    void RemoveAll() { m_items.clear(); }

    // Moves every record of the other list to the end of this one.
    void TakeAll(CItemList& other) {
        m_items.insert(m_items.end(), std::make_move_iterator(other.m_items.begin()),
                       std::make_move_iterator(other.m_items.end()));
        other.m_items.clear();
    }

    // Keeps the records given, in that order; the others are freed. Pointers the list does not
    // hold are passed over.
    template <typename Records> void Reorder(const Records& order) {
        // Where each record stands, sorted by address: one allocation for the lookup, not one
        // per record.
        std::vector<std::pair<const Record*, std::size_t>> at;
        at.reserve(m_items.size());
        for (std::size_t i = 0; i < m_items.size(); ++i)
            at.emplace_back(m_items[i].get(), i);
        const auto byAddress = [](const auto& a, const auto& b) {
            return std::less<const Record*>()(a.first, b.first);
        };
        std::sort(at.begin(), at.end(), byAddress);
        Owned kept;
        kept.reserve(m_items.size());
        for (const Record* item : order) {
            const auto found =
                std::lower_bound(at.begin(), at.end(), std::pair(item, std::size_t(0)), byAddress);
            if (found != at.end() && found->first == item && m_items[found->second])
                kept.push_back(std::move(m_items[found->second]));
        }
        m_items = std::move(kept);
    }

    // The record, now the list's at that place (the end when past it).
    Record* Insert(int index, std::unique_ptr<Record> item) {
        const auto at = m_items.begin() + std::clamp<std::ptrdiff_t>(index, 0, GetCount());
        return m_items.insert(at, std::move(item))->get();
    }

    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    Record* GetHead() const { return m_items.empty() ? nullptr : m_items.front().get(); }
    Record* GetTail() const { return m_items.empty() ? nullptr : m_items.back().get(); }

    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

private:
    typename Owned::iterator Position(const Record* item) {
        return std::find_if(
            m_items.begin(), m_items.end(),
            [item](const std::unique_ptr<Record>& held) { return held.get() == item; });
    }
    typename Owned::const_iterator Position(const Record* item) const {
        return std::find_if(
            m_items.begin(), m_items.end(),
            [item](const std::unique_ptr<Record>& held) { return held.get() == item; });
    }

    Owned m_items;
};

// Keys of records, in order.
using CIdList = QList<int>;
