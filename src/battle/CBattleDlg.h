// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/CItemList.h"

#include <QDialog>
#include <memory>

class CArmyDatabase;
class CArmyHeader;
class CBattle;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
namespace Ui {
class CBattleDlg;
}

// Name, description and armies of a battle. Without a record it asks for a new battle; with one
// it shows that battle and on OK writes the new name and description into the record. The rows of
// the army list are what OK gives back; nothing is stored in the database here.
class CBattleDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBattleDlg(CArmyDatabase& db, CBattle* battle = nullptr, QWidget* parent = nullptr);
    ~CBattleDlg() override;

    // What OK accepted; the ids in the order of the rows.
    const CIdList& ArmyIds() const { return m_armyIds; }
    QString Name() const { return m_name; }
    QString Description() const { return m_description; }

    // False when the battle's armies could not be read: the dialog must not be shown.
    bool IsLoaded() const { return m_bLoaded; }

    QLineEdit* NameEdit() const;
    QPlainTextEdit* DescriptionEdit() const;
    QTreeWidget* ArmyList() const;
    QPushButton* RemoveArmyButton() const;

public slots:
    void OnAddArmy();
    // Appends the row of a stored army; false when it is already listed or no longer stored.
    bool AddArmy(int armyId);
    // Takes the chosen army out of the list (the button, or the Delete key).
    void OnRemoveArmy();
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AppendRow(const CArmyHeader& header);
    void UpdateRemoveButton();
    // The first refusal of the typed values, after telling the user why; true when all pass.
    bool CheckValues(const QString& name, const QString& description) const;

    std::unique_ptr<Ui::CBattleDlg> m_ui;
    CBattle* m_pBattle = nullptr;
    CIdList m_armyIds;
    QString m_name;
    QString m_description;
    bool m_bLoaded = true;
    CArmyDatabase& m_db;
};
