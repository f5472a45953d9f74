// SPDX-License-Identifier: GPL-3.0-or-later

#include "CImageList.h"

void CImageList::Create(int size) {
    m_icons.clear();
    m_size = size;
}

int CImageList::Add(const QIcon& icon) {
    m_icons.append(icon);
    return static_cast<int>(m_icons.size()) - 1;
}

QIcon CImageList::Icon(int index) const {
    return index >= 0 && index < m_icons.size() ? m_icons.at(index) : QIcon();
}
