// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ArmyMessages.h"
#include "StoredArmy.h"
#include "TestCatalogue.h"
#include "TestData.h"
#include "TestDataSource.h"
#include "TheArmy.h"
#include "core/MessageBox.h"
#include "model/CArmy.h"
#include "model/CArmyHistory.h"

#include <QtTest>

// What the army's tests without a window start from: the program's connection on the small
// catalogue, its unit types, the messages recorded and the open army's history kept.
class ArmyFixture : public QObject {
protected:
    std::unique_ptr<TestDataSource> m_source;
    std::unique_ptr<CCatalogue> m_catalogue;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<CArmyHistory> m_history;

    // Every type of the catalogue, read whole.
    CItemList<CUnitType>& AllTypes() const { return m_catalogue->UnitTypes(); }
    const CUnitType* Type(const QString& name) const { return TypeNamed(AllTypes(), name); }
    const CUnitType& Warlord() const { return *Type(QStringLiteral("T3 Orc warlord")); }
    QList<const CUnitType*> Types(const QString& name) const {
        return WithAttached(AllTypes(), name);
    }
    // A new army stored and opened (the shared one unless told), the one before it closed.
    static bool OpenNewArmy(const QString& name = QStringLiteral("Horde"), int budget = 1000,
                            CArmy& army = TheArmy()) {
        army.Close();
        return army.Create(13, name, budget) && army.Open(army.GetHeader().IdArmee);
    }
    // The army as stored (the open one's unless told) and the open army in memory, as lines.
    static QStringList Stored(int armyId = TheArmy().GetHeader().IdArmee) {
        return StoredArmyLines(TheDatabase(), armyId);
    }
    static QStringList InMemory(const CArmy& army = TheArmy()) {
        return ArmyLines(army.GetHeader(), army.Units(), true);
    }
    // What every stored army must satisfy, whatever happened to it.
    static void VerifyWhole(int armyId = TheArmy().GetHeader().IdArmee) {
        const QString fault = StoredArmyFault(TheDatabase(), armyId);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
    // The open army's first member of that type.
    static CArmyUnit* Member(const QString& type) {
        for (CArmyUnit* unit : TheArmy().Units()) {
            if (unit->NomUnitType == type)
                return unit;
        }
        return nullptr;
    }
    // The open army's group leaders, in order.
    static QList<CArmyUnit*> GroupLeaders() {
        QList<CArmyUnit*> leaders;
        for (CArmyUnit* unit : TheArmy().Units()) {
            if (unit->IsGroupLeader() && unit != TheArmy().GetWarchief())
                leaders << unit;
        }
        return leaders;
    }

    // For initTestCase: a failure here fails the whole test case.
    void OpenCatalogue() {
        QString failure;
        m_source = TestDataSource::OpenSmallCatalogue(&failure);
        QVERIFY2(m_source, qPrintable(failure));
        m_catalogue = LoadedCatalogue();
        QVERIFY(m_catalogue->IsLoaded() && m_catalogue->CompleteAll());
        m_messages = std::make_unique<MessageRecorder>();
        ShowWhatItTells(TheArmy());
        m_history = std::make_unique<CArmyHistory>(TheArmy());
    }
    // For cleanup: a failed check must leave no hook, army or message to the next test.
    void CloseArmy() {
        TheDatabase().SetStatementHook({});
        TheArmy().Close();
        m_messages->Clear();
    }
};
