// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DialogMessageSink.h"

#include <QApplication>
#include <QPointer>
#include <QTranslator>

#include <memory>

class CArmy;
class CArmyDatabase;
class CCatalogue;
class CMainFrame;

// The application: chooses the language, opens the data source "Skarnholt", shows the main
// window and, at exit, closes what it opened.
class CSkarnholtDBApp : public QApplication {
    Q_OBJECT
public:
    // The program's connection and army, made by its start-up, given to the window.
    CSkarnholtDBApp(int& argc, char** argv, CArmyDatabase& db, CArmy& army);
    ~CSkarnholtDBApp() override;

    static CSkarnholtDBApp* Instance();

    // Start-up; false when the program cannot run (the user has been told why).
    bool InitInstance();
    // Closes what start-up opened.
    int ExitInstance();
    // Start-up, the event loop, exit; the process's exit status.
    int Run();

    // Loads the English module when it stands beside the program, or when installed where the
    // desktop does not speak French; French otherwise.
    bool LoadLanguageModule(const QString& directory);
    bool IsEnglish() const { return m_english; }

    CMainFrame* m_pMainFrame = nullptr;

public slots:
    void OnAppAbout();

private:
    QTranslator m_module;
    QTranslator m_qtTexts;
    bool m_english = false;
    DialogMessageSink m_messageBoxes;
    CArmyDatabase& m_db;
    CArmy& m_army;
    std::unique_ptr<CCatalogue> m_catalogue;
};
