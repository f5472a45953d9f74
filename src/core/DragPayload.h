// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What a drag carries between the catalogue and the army: keys, written as decimal numbers
// separated by commas, under a format of the program's own, so that nothing else dropped is
// taken for them.
namespace DragPayload {

// Members of the open army, by key (IdUnite).
inline QString MembersFormat() {
    return QStringLiteral("application/x-skarnholtdb-members");
}
// Unit types of the catalogue, by key (ArmyTypeId).
inline QString UnitTypesFormat() {
    return QStringLiteral("application/x-skarnholtdb-unittypes");
}

inline QByteArray Encode(const QList<int>& keys) {
    QByteArray bytes;
    for (int key : keys) {
        if (!bytes.isEmpty())
            bytes += ',';
        bytes += QByteArray::number(key);
    }
    return bytes;
}

// Empty when the bytes are not a list of keys.
inline QList<int> Decode(const QByteArray& bytes) {
    QList<int> keys;
    for (const QByteArray& part : bytes.split(',')) {
        bool ok = false;
        const int key = part.toInt(&ok);
        if (!ok)
            return {};
        keys << key;
    }
    return keys;
}

} // namespace DragPayload
