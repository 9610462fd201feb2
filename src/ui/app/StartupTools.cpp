// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/StartupTools.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QPixmap>
#include <QWindow>
#include <chrono>
#include <cstdio>

#include "ui/app/KM42App.h"
#include "ui/app/MainFrame.h"
#include "ui/dialogs/ManualDlg.h"

namespace {

// Waits (in the event loop, not spinning) until the window system has put the main window
// on screen, then lets it paint.
class CExposeWaiter : public QObject {
public:
    explicit CExposeWaiter(QWindow& window) : m_window(window) {
        if (m_window.isExposed()) return;
        m_window.installEventFilter(this);
        m_loop.exec();
        m_window.removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && m_window.isExposed()) m_loop.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QWindow& m_window;
    QEventLoop m_loop;
};

void WaitUntilShown(QWidget& widget) {
    if (QWindow* window = widget.windowHandle()) CExposeWaiter waiter(*window);
    QCoreApplication::processEvents();
}

bool SavePicture(QWidget& widget, const QString& path) {
    WaitUntilShown(widget);
    if (widget.grab().save(path, "PNG")) return true;
    std::fprintf(stderr, "prg715: cannot write %s\n", qPrintable(path));
    return false;
}

// The manual's window as F1 opens it, on its first chapter after the contents.
bool SaveManualPicture(CMainFrame& frame, const QString& path) {
    WaitUntilShown(frame);
    frame.Action(CommandId::HelpManual)->trigger();
    CManualDlg* manual = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<CManualDlg*>(window)) manual = found;
    if (manual == nullptr) return false;
    if (auto* contents = manual->findChild<QListWidget*>(QStringLiteral("manualContents")))
        contents->setCurrentRow(1);
    return SavePicture(*manual, path);
}

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    // /proc files report size 0, so read to the end rather than testing atEnd().
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// The wall clock, comparable with `date +%s%N` in the measuring script.
long long RealtimeNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

StartupOptions AddStartupOptions(QCommandLineParser& parser) {
    StartupOptions options{
        QCommandLineOption(QStringLiteral("screenshot"),
                           QStringLiteral("Save a picture of the main window to <png> and quit."),
                           QStringLiteral("png")),
        QCommandLineOption(QStringLiteral("screenshot-manual"),
                           QStringLiteral("Save a picture of the user manual's window to <png> "
                                          "and quit."),
                           QStringLiteral("png")),
        QCommandLineOption(QStringLiteral("startup-report"),
                           QStringLiteral("Print when the main window was shown and the resident "
                                          "memory then, and quit.")),
    };
    parser.addOption(options.screenshot);
    parser.addOption(options.screenshotManual);
    parser.addOption(options.startupReport);
    return options;
}

std::optional<int> RunStartupTools(const QCommandLineParser& parser, const StartupOptions& options,
                                   CKM42App& app) {
    if (parser.isSet(options.startupReport)) {
        WaitUntilShown(app.MainFrame());
        const long long shown = RealtimeNanoseconds();
        std::printf("shown_realtime_ns=%lld\nrss_kb=%ld\n", shown, ResidentKilobytes());
        std::fflush(stdout);
        return 0;
    }
    if (parser.isSet(options.screenshot))
        return SavePicture(app.MainFrame(), parser.value(options.screenshot)) ? 0 : 1;
    if (parser.isSet(options.screenshotManual))
        return SaveManualPicture(app.MainFrame(), parser.value(options.screenshotManual)) ? 0 : 1;
    return std::nullopt;
}
