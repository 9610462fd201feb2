// SPDX-License-Identifier: GPL-3.0-or-later
// prg715_bench_write_dialog: one Write to Radio through the desktop's dialog, at the radio's
// real pace, against the built-in virtual radio. Prints the wall time of the write against the
// protocol's floor, and the longest time the user-interface thread went without serving a
// 10 ms timer while the dialog was up. Then the same write with "Read the radio before
// writing" and "Verify after writing" on: a read, the write and a read back.
//
// Floor of a write: the protocol's pauses, 100 ms + 33 x (64 x 8 ms + 50 ms) = 18.646 s, plus
// 2 T for the request and the radio's answer (T = 4.167 ms, one byte at 2400 baud 8N1).
// Floor of a read: the answer and 33 blocks of 65 bytes, each started by an acknowledgement
// that takes T to arrive, 2180 T = 9.083 s, plus the 100 ms pause before the start byte.
// Each dialog adds its 200 ms start delay in front of its exchange.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "link/DemoRadio.h"
#include "model/Messages.h"
#include "model/RadioModel.h"
#include "ui/app/Commands.h"
#include "ui/app/KM42App.h"
#include "ui/app/MainFrame.h"
#include "ui/app/RunOptions.h"
#include "ui/common/UiPrompts.h"
#include "ui/view/KM42View.h"

namespace {

constexpr double kByteTime = 10.0 / 2400.0;
constexpr double kWriteFloor = 18.646 + 2 * kByteTime;
constexpr double kReadFloor = 2180 * kByteTime + 0.1;
constexpr double kStartDelay = 0.2;
constexpr double kTargetOverFloor = 0.02;
constexpr qint64 kMaxGapMs = 100;

// Dialogs run for real (modal, in their own event loop); message boxes are only noted.
class BenchPrompts final : public CUiPrompts {
public:
    void MessageBox(QWidget*, const QString& text, MessageIcon, const QString& detail) override {
        if (!firstMessageAt) firstMessageAt = clock.nsecsElapsed();
        std::printf("message: %s%s%s\n", qPrintable(text), detail.isEmpty() ? "" : " / ",
                    qPrintable(detail));
        messages << text;
    }
    QuestionAnswer AskQuestion(QWidget*, const QString& text, QuestionKind) override {
        std::printf("question: %s (Yes)\n", qPrintable(text));
        return QuestionAnswer::Yes;
    }
    std::optional<QString> GetOpenFileName(QWidget*, const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<QString> GetSaveFileName(QWidget*, const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<QString> GetExistingDirectory(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    QPrinter* GetPrinter(QWidget*) override { return nullptr; }
    int ExecDialog(QDialog& dialog) override { return dialog.exec(); }

    QElapsedTimer clock;
    std::optional<qint64> firstMessageAt;
    QStringList messages;
};

// Runs Write to Radio once, as the user starts it from the menu; the seconds from the command
// to the last message.
double TimeWrite(CMainFrame& frame, BenchPrompts& prompts) {
    double total = 0;
    QTimer::singleShot(100, [&] {
        prompts.messages.clear();
        prompts.firstMessageAt.reset();
        prompts.clock.start();
        frame.Action(CommandId::WriteRadio)->trigger();
        total = static_cast<double>(prompts.clock.nsecsElapsed()) * 1e-9;
        QApplication::quit();
    });
    QApplication::exec();
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The backups of these runs go to a scratch folder, not the user's archive.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));

    std::string error;
    auto radio = StartVirtualRadio({}, true, error);
    if (!radio) {
        std::fprintf(stderr, "prg715_bench_write_dialog: %s\n", error.c_str());
        return 1;
    }
    BenchPrompts prompts;
    CKM42App app(prompts);
    app.InitInstance();
    LinkRunOptions link;
    link.virtualRadio = true;
    ApplyLinkOptions(app.MainFrame(), link, radio.get());
    prompts.messages.clear();
    prompts.firstMessageAt.reset();

    CKM42View& view = app.MainFrame().GetActiveView();
    const std::int32_t port = view.GetDocument().m_nComPort;
    view.GetDocument() = radiolink::DemoPlan(*FindRadioModel("KM161"));
    view.GetDocument().m_nComPort = port;
    view.ShowPlan(CKM42View::GridFill::SetUpAndFill);

    // The longest stretch between two timer ticks while the write runs.
    QElapsedTimer sinceTick;
    qint64 maxGap = 0;
    long ticks = 0;
    bool writing = false;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (writing) {
            maxGap = std::max(maxGap, sinceTick.elapsed());
            ++ticks;
        }
        sinceTick.restart();
    });
    ticker.start();

    sinceTick.restart();
    writing = true;
    const double total = TimeWrite(app.MainFrame(), prompts);
    writing = false;

    const bool complete = prompts.messages == QStringList{QString::fromUtf8(msg::kWriteComplete)};
    const double toMessage =
        prompts.firstMessageAt ? static_cast<double>(*prompts.firstMessageAt) * 1e-9 : 0.0;
    const double exchange = toMessage - kStartDelay;
    const double over = exchange / kWriteFloor - 1.0;
    const double overWithDelay = toMessage / kWriteFloor - 1.0;
    std::printf("write floor                       %8.3f s\n", kWriteFloor);
    std::printf("command to \"Write Complete !\"     %8.3f s  (%+.2f%% over the floor)\n",
                toMessage, 100.0 * overWithDelay);
    std::printf("  less the 200 ms start delay     %8.3f s  (%+.2f%% over the floor)\n", exchange,
                100.0 * over);
    std::printf("command to dialog closed          %8.3f s\n", total);
    std::printf("longest UI-thread gap (10 ms timer) %6lld ms over %ld ticks (limit %lld ms)\n",
                static_cast<long long>(maxGap), ticks, static_cast<long long>(kMaxGapMs));

    // The same write with both checks on.
    view.m_WriteChecks = {true, true};
    const double checked = TimeWrite(app.MainFrame(), prompts);
    const bool verified = prompts.messages.contains(QString::fromUtf8(msg::kVerified));
    const double checkedFloor = kReadFloor + kWriteFloor + kReadFloor + 3 * kStartDelay;
    std::printf("with read before and verify after:\n");
    std::printf("  floor (read, write, read back)  %8.3f s\n", checkedFloor);
    std::printf(
        "  command to \"Verified\"          %8.3f s  (%+.2f%% over the floor, %.2f x plain)\n",
        checked, 100.0 * (checked / checkedFloor - 1.0), checked / total);

    const bool ok = complete && overWithDelay <= kTargetOverFloor && maxGap <= kMaxGapMs &&
                    verified && checked / checkedFloor - 1.0 <= kTargetOverFloor;
    std::printf("%s\n", ok ? "OK" : "OUT OF LIMITS");
    return ok ? 0 : 1;
}
