// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CRecordset.h"

class CUnitType;

// Rows of Armees, copied into CUnitType records.
class CArmeeSet : public CRecordset {
public:
    using CRecordset::CRecordset;
    QString GetDefaultSQL() const override;
    void CopyTo(CUnitType& record) const;
};
