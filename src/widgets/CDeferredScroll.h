// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPersistentModelIndex>

class QAbstractItemView;

// Brings an item of a view into view before the view's next paint, once the rows inserted or
// taken since are laid out: scrolling at once would lay out every row for it, and again for
// each edit. One belongs to its view and lives as long.
class CDeferredScroll {
public:
    explicit CDeferredScroll(QAbstractItemView& view) : m_view(view) {}
    void Request(const QModelIndex& index);

private:
    void Run();

    QAbstractItemView& m_view;
    QPersistentModelIndex m_index;
    bool m_posted = false;
};
