// prg715_bench_write_dialog: one Write to Radio through the desktop's dialog, at the radio's
// real pace, against the built-in virtual radio. Prints the wall time of the write against the
// protocol's floor, and the longest time the user-interface thread went without serving a
// 10 ms timer while the dialog was up.
//
// Floor of a write: the protocol's pauses, 100 ms + 33 x (64 x 8 ms + 50 ms) = 18.646 s, plus
// 2 T for the request and the radio's answer (T = 4.167 ms, one byte at 2400 baud 8N1).
// The dialog adds its 200 ms start delay in front of that.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "link/DemoRadio.h"
#include "model/Messages.h"
#include "model/RadioModel.h"
#include "ui/Commands.h"
#include "ui/KM42App.h"
#include "ui/KM42View.h"
#include "ui/MainFrame.h"
#include "ui/RunOptions.h"
#include "ui/UiPrompts.h"

namespace {

constexpr double kWriteFloor = 18.646 + 2 * 10.0 / 2400.0;
constexpr double kStartDelay = 0.2;
constexpr double kTargetOverFloor = 0.02;
constexpr qint64 kMaxGapMs = 100;

// Dialogs run for real (modal, in their own event loop); message boxes are only noted.
class BenchPrompts final : public UiPrompts {
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
    QPrinter* GetPrinter(QWidget*) override { return nullptr; }
    int ExecDialog(QDialog& dialog) override { return dialog.exec(); }

    QElapsedTimer clock;
    std::optional<qint64> firstMessageAt;
    QStringList messages;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

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

    double total = 0;
    QTimer::singleShot(100, [&] {
        prompts.clock.start();
        sinceTick.restart();
        writing = true;
        app.MainFrame().Action(CommandId::WriteRadio)->trigger();
        writing = false;
        total = static_cast<double>(prompts.clock.nsecsElapsed()) * 1e-9;
        QApplication::quit();
    });
    QApplication::exec();

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
    const bool ok = complete && overWithDelay <= kTargetOverFloor && maxGap <= kMaxGapMs;
    std::printf("%s\n", ok ? "OK" : "OUT OF LIMITS");
    return ok ? 0 : 1;
}
