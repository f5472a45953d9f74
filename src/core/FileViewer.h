#pragma once

#include <QStringList>

// Opens a written file in the desktop's viewer, without waiting and never through a shell.
// Tests install a FileViewerRecorder instead.
void OpenInViewer(const QString& path);

class FileViewerRecorder {
public:
    FileViewerRecorder();
    ~FileViewerRecorder();
    FileViewerRecorder(const FileViewerRecorder&) = delete;
    FileViewerRecorder& operator=(const FileViewerRecorder&) = delete;

    // The absolute paths asked to be opened, in order.
    const QStringList& Opened() const { return m_opened; }
    void Record(const QString& path) { m_opened.append(path); }

private:
    QStringList m_opened;
    FileViewerRecorder* m_previous = nullptr;
};
