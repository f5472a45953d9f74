// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatImageList.h"

#include "CImageList.h"
#include "core/Resources.h"

namespace {
// Icon resource ids, in image-list order.
constexpr int kStatIconIds[] = {
    135, 134, 133, 132, 169, 202, 203,                          // unit kinds
    172, 173, 181, 182, 183, 184, 185, 174, 175, 176, 177, 178, // weapons 1-12
    179, 180,                                                   // weapons 13-14
    188, 189, 190, 191,                                         // armours 1-4
    187,                                                        // shield
};
} // namespace

void LoadStatImageList(CImageList& list, int size) {
    list.Create(size);
    for (int id : kStatIconIds)
        list.Add(LoadIconResource(id));
}
