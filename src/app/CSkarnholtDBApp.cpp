// SPDX-License-Identifier: GPL-3.0-or-later

#include "CSkarnholtDBApp.h"

#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "catalogue/CCatalogueBar.h"
#include "core/CommandIds.h"
#include "core/LanguageModule.h"
#include "core/MessageBox.h"
#include "core/StringTable.h"
#include "data/CArmyDatabase.h"
#include "model/CArmy.h"
#include "model/CCatalogue.h"
#include "model/DataErrorMessages.h"

#include <QAction>
#include <QDir>
#include <QLibraryInfo>
#include <QTimer>

CSkarnholtDBApp::CSkarnholtDBApp(int& argc, char** argv, CArmyDatabase& db, CArmy& army)
    : QApplication(argc, argv), m_db(db), m_army(army) {
    setApplicationName(BuiltInResString(kAppTitleId));
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    MessageBox::SetDefaultSink(&m_messageBoxes);
    ShowDataErrorsAsMessages(m_db);
}

CSkarnholtDBApp::~CSkarnholtDBApp() {
    delete m_pMainFrame;
    MessageBox::SetDefaultSink(nullptr);
}

CSkarnholtDBApp* CSkarnholtDBApp::Instance() {
    return qobject_cast<CSkarnholtDBApp*>(QCoreApplication::instance());
}

bool CSkarnholtDBApp::LoadLanguageModule(const QString& directory) {
    const QString module = EnglishModulePath(directory, QLocale::system());
    m_english = !module.isEmpty() && m_module.load(module);
    if (m_english) {
        installTranslator(&m_module);
        return true;
    }
    // French: the standard buttons and dialogs of Qt in French too, when installed.
    if (m_qtTexts.load(QStringLiteral("qtbase_fr"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTexts);
    return false;
}

bool CSkarnholtDBApp::InitInstance() {
    LoadLanguageModule(applicationDirPath());
    CArmyDatabase& db = m_db;
    if (!db.OpenDatabase())
        return false;
    // A data source that is not set up (an empty file, say) is said plainly, not in the
    // driver's words over an empty window.
    const QStringList missing = db.MissingTables();
    if (!missing.isEmpty()) {
        ShowWarningMessage(kMissingTablesId,
                           LoadResString(kMissingTablesId).arg(missing.join(QStringLiteral(", "))));
        return false;
    }
    // A database made before the army versions gets their column; a refusal was shown.
    if (!db.UpgradeTables())
        return false;

    // Without its catalogue the program has nothing to build from; the reason was shown.
    m_catalogue = std::make_unique<CCatalogue>(db);
    if (!m_catalogue->Load())
        return false;
    m_pMainFrame = new CMainFrame(m_db, m_army, *m_catalogue);
    connect(m_pMainFrame->Action(ID_APP_ABOUT), &QAction::triggered, this,
            &CSkarnholtDBApp::OnAppAbout);
    m_pMainFrame->ShowAtStart();
    // Army files given to the program (the desktop opening one) are imported once the window
    // is up, so that a question about one has the window behind it.
    QStringList files;
    for (const QString& argument : arguments().mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')))
            files << argument;
    }
    if (!files.isEmpty())
        QTimer::singleShot(0, m_pMainFrame,
                           [this, files] { m_pMainFrame->ImportArmyFiles(files); });
    return true;
}

int CSkarnholtDBApp::ExitInstance() {
    // The window goes first, so no view still points at the members when they go; then the
    // open army's display order is stored, before the connection closes.
    delete m_pMainFrame;
    m_pMainFrame = nullptr;
    m_catalogue.reset();
    if (m_army.IsOpen())
        m_army.Close();
    m_db.CloseDatabase();
    if (m_english)
        removeTranslator(&m_module);
    return 0;
}

int CSkarnholtDBApp::Run() {
    if (!InitInstance()) {
        ExitInstance();
        return 1;
    }
    const int status = exec();
    ExitInstance();
    return status;
}

void CSkarnholtDBApp::OnAppAbout() {
    CAboutDlg about(m_pMainFrame);
    about.exec();
}
