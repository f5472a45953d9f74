#pragma once

#include <QApplication>

// The application: opens the data source "Skarnholt" and runs the program on it.
class CSkarnholtDBApp : public QApplication {
    Q_OBJECT
public:
    CSkarnholtDBApp(int& argc, char** argv);

    // Start-up; false when the program cannot run (the user has been told why).
    bool InitInstance();
    // Closes what start-up opened.
    int ExitInstance();
    // Start-up, the event loop, exit; the process's exit status.
    int Run();
};
