// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CRecordset.h"

class CRace;

// Rows of Races, copied into CRace records.
class CRaceSet : public CRecordset {
public:
    using CRecordset::CRecordset;
    QString GetDefaultSQL() const override;
    void CopyTo(CRace& record) const;
};
