// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <memory>

class CArmyDatabase;
class CArmyHeader;
class CPictureStatic;
class QComboBox;
class QLabel;
class QLineEdit;
namespace Ui {
class CArmyParamsDlg;
}

// Name, budget and race of an army. Without a header it asks for a new army; with one it shows
// that army's properties, its race fixed, and on OK writes the new name and budget into the
// header. Stores nothing in the database itself.
class CArmyParamsDlg : public QDialog {
    Q_OBJECT
public:
    // False when the races could not be read: the dialog must not be shown.
    bool IsLoaded() const { return m_bLoaded; }
    // The budgets accepted.
    static constexpr int kMinBudget = 1;
    static constexpr int kMaxBudget = 20000;

    explicit CArmyParamsDlg(CArmyDatabase& db, CArmyHeader* header = nullptr,
                            QWidget* parent = nullptr);
    ~CArmyParamsDlg() override;

    // What OK accepted.
    QString Name() const { return m_name; }
    int Budget() const { return m_budget; }
    int ChosenRace() const { return m_chosenRace; }

    QComboBox* RaceList() const;
    QLineEdit* NameEdit() const;
    QLineEdit* BudgetEdit() const;
    CPictureStatic* RacePicture() const;
    QLabel* CostText() const;
    QLabel* RestLabel() const;
    QLabel* RestText() const;

public slots:
    void accept() override;

private:
    void FillRaces();
    void ShowHeader();
    void OnRaceChanged(int index);
    void ShowRest();
    // The first refusal of the typed values, after telling the user why; true when all pass.
    bool CheckValues(const QString& name, int& budget) const;

    std::unique_ptr<Ui::CArmyParamsDlg> m_ui;
    CArmyHeader* m_pHeader = nullptr;
    QString m_name;
    int m_budget = 0;
    int m_chosenRace = -1;
    bool m_bLoaded = false;
    CArmyDatabase& m_db;
};
