// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CRecordset.h"

class CUnitType;

// The rows of Armees that the catalogue's tree shows (main types, no mount), with only what it
// shows and groups them by: key, race, kind and English name. The records it fills are left
// incomplete.
class CArmeeSummarySet : public CRecordset {
public:
    using CRecordset::CRecordset;
    QString GetDefaultSQL() const override;
    // The values the default statement binds.
    static QVariantList DefaultValues();
    void CopyTo(CUnitType& record) const;
};
