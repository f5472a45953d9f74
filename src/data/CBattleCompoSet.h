// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CRecordset.h"

class CBattleEntry;

// Rows of BattleCompo, copied into CBattleEntry records.
class CBattleCompoSet : public CRecordset {
public:
    using CRecordset::CRecordset;
    QString GetDefaultSQL() const override;
    void CopyTo(CBattleEntry& record) const;
};
