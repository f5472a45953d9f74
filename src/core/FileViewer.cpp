// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileViewer.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

namespace {
FileViewerRecorder* g_recorder = nullptr;

// xdg-open may run as long as the viewer it started: a failure after this long is the
// viewer's own end, not a file left unshown.
constexpr qint64 kOpenerVerdictMs = 10000;
} // namespace

void OpenInViewer(const QString& path, const std::function<void()>& whenFailed) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (g_recorder) {
        if (!g_recorder->Record(absolute) && whenFailed)
            whenFailed();
        return;
    }
    // Not the child of any object: a viewer still open when the program quits is not ended
    // with it.
    auto* opener = new QProcess;
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer running;
    running.start();
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, whenFailed, running](int code, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         const bool failed = status != QProcess::NormalExit || code != 0;
                         if (failed && running.elapsed() < kOpenerVerdictMs && whenFailed)
                             whenFailed();
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, whenFailed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         opener->deleteLater();
                         if (whenFailed)
                             whenFailed();
                     });
    opener->start(QStringLiteral("xdg-open"), {absolute});
}

FileViewerRecorder::FileViewerRecorder() : m_previous(g_recorder) {
    g_recorder = this;
}

FileViewerRecorder::~FileViewerRecorder() {
    g_recorder = m_previous;
}
