// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <memory>

class QLineEdit;
namespace Ui {
class CRenameUnitDlg;
}

// Asks for a new name for an army member. The name is only taken on OK; the caller stores it.
class CRenameUnitDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRenameUnitDlg(QWidget* parent = nullptr);
    ~CRenameUnitDlg() override;

    void SetName(const QString& name);
    // The name given, as set until OK takes the edited one.
    QString Name() const { return m_name; }
    QLineEdit* NameEdit() const;

public slots:
    void accept() override;

private:
    std::unique_ptr<Ui::CRenameUnitDlg> m_ui;
    QString m_name;
};
