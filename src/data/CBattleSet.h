// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CRecordset.h"

class CBattle;

// Rows of Battle, copied into CBattle records.
class CBattleSet : public CRecordset {
public:
    using CRecordset::CRecordset;
    QString GetDefaultSQL() const override;
    void CopyTo(CBattle& record) const;
};
