// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <functional>

// Opens a written file in the desktop's viewer (xdg-open), never through a shell and without
// waiting for it. When no opener can be started, or it soon ends saying that nothing could
// show the file, whenFailed is called then, from the event loop. Tests install a
// FileViewerRecorder instead.
void OpenInViewer(const QString& path, const std::function<void()>& whenFailed);

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
