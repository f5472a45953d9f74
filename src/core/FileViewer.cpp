#include "FileViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
FileViewerRecorder* g_recorder = nullptr;
}

bool OpenInViewer(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (g_recorder)
        return g_recorder->Record(absolute);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}

FileViewerRecorder::FileViewerRecorder() : m_previous(g_recorder) {
    g_recorder = this;
}

FileViewerRecorder::~FileViewerRecorder() {
    g_recorder = m_previous;
}
