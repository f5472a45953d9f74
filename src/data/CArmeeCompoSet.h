// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CRecordset.h"

class CArmyUnit;

// Rows of ArmeeCompo, copied into CArmyUnit records.
class CArmeeCompoSet : public CRecordset {
public:
    using CRecordset::CRecordset;
    QString GetDefaultSQL() const override;
    void CopyTo(CArmyUnit& record) const;
};
