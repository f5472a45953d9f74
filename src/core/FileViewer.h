#pragma once

#include <QStringList>

// Opens a written file in the desktop's viewer, without waiting and never through a shell;
// false when no viewer could be started. Tests install a FileViewerRecorder instead.
bool OpenInViewer(const QString& path);

class FileViewerRecorder {
public:
    FileViewerRecorder();
    ~FileViewerRecorder();
    FileViewerRecorder(const FileViewerRecorder&) = delete;
    FileViewerRecorder& operator=(const FileViewerRecorder&) = delete;

    // The absolute paths asked to be opened, in order.
    const QStringList& Opened() const { return m_opened; }
    bool Record(const QString& path) {
        m_opened.append(path);
        return m_hasViewer;
    }
    // As on a desktop where nothing can show a text file.
    void SetNoViewer() { m_hasViewer = false; }

private:
    QStringList m_opened;
    bool m_hasViewer = true;
    FileViewerRecorder* m_previous = nullptr;
};
