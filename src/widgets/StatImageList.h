// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class CImageList;

// Fills list with the statistic images, in the order the unit rows index them:
// unit kinds 0-6, weapons 1-14 at 7-20, armours 1-4 at 21-24, shield at 25.
void LoadStatImageList(CImageList& list, int size);
