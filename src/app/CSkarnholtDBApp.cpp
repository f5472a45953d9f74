#include "CSkarnholtDBApp.h"

#include "StringTable.h"
#include "data/CArmyDatabase.h"

CSkarnholtDBApp::CSkarnholtDBApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(BuiltInResString(kAppTitleId));
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
}

bool CSkarnholtDBApp::InitInstance() {
    return CArmyDatabase::Instance().OpenDatabase() != 0;
}

int CSkarnholtDBApp::ExitInstance() {
    CArmyDatabase::Instance().CloseDatabase();
    return 0;
}

int CSkarnholtDBApp::Run() {
    if (!InitInstance()) {
        ExitInstance();
        return 1;
    }
    // The main window comes next; until then the program only checks that its data opens.
    return ExitInstance();
}
