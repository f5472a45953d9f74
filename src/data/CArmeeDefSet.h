// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CRecordset.h"

class CArmyHeader;

// Rows of ArmeeDef, copied into CArmyHeader records.
class CArmeeDefSet : public CRecordset {
public:
    using CRecordset::CRecordset;
    QString GetDefaultSQL() const override;
    void CopyTo(CArmyHeader& record) const;
};
