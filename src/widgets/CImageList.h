// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QList>

// Square icons of one size, addressed by index, shared by a tree or list and its owner.
class CImageList {
public:
    // Empties the list and sets the size of its images.
    void Create(int size);
    // Adds an icon and returns its index.
    int Add(const QIcon& icon);
    int GetImageCount() const { return static_cast<int>(m_icons.size()); }
    int Size() const { return m_size; }
    // The icon at index; a null icon for an index out of range (such as -1, "no image").
    QIcon Icon(int index) const;

private:
    QList<QIcon> m_icons;
    int m_size = 16;
};
