// SPDX-License-Identifier: GPL-3.0-or-later

#include "CDeferredScroll.h"

#include <QAbstractItemView>

void CDeferredScroll::Request(const QModelIndex& index) {
    m_index = index;
    // Queued calls run before the paint, which waits at a lower priority.
    if (!m_posted && m_index.isValid()) {
        m_posted = true;
        QMetaObject::invokeMethod(
            &m_view, [this] { Run(); }, Qt::QueuedConnection);
    }
}

void CDeferredScroll::Run() {
    m_posted = false;
    // A row taken away since (or the view emptied) leaves nothing to show.
    if (m_index.isValid())
        m_view.scrollTo(m_index);
    m_index = QPersistentModelIndex();
}
