// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop against the virtual radio over a real pseudo-terminal. The radio answers as
// fast as it can and the exchanges' pauses are shortened; every wait is bounded only so that
// a fault fails the test instead of hanging it.
#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "UiFixture.h"
#include "codec/ImageCodec.h"
#include "link/CommPort.h"
#include "link/DemoRadio.h"
#include "link/VirtualRadio.h"
#include "model/DataFile.h"
#include "model/RadioModel.h"
#include "ui/app/Commands.h"
#include "ui/dialogs/ReadDlg.h"
#include "ui/dialogs/WriteDlg.h"

inline constexpr int kBoundMs = 30000;

inline radiolink::LinkTiming FastTiming() {
    using namespace std::chrono_literals;
    radiolink::LinkTiming timing;
    timing.readStartPause = 1ms;
    timing.writeStartPause = 1ms;
    timing.byteGap = 0ms;
    timing.blockEndPause = 1ms;
    timing.lastBlockPause = 1s;  // ample time for the radio's "6"
    return timing;
}

inline radiolink::LineImage DemoMemory(const char* model) {
    return radiolink::DemoImage(*FindRadioModel(model));
}

class RadioDialogTest : public UiTest {
protected:
    ~RadioDialogTest() override {
        app.reset();  // the port closes before its radio goes
        if (radio) radio->Stop();
    }

    void StartRadio(const radiolink::LineImage& memory, radiolink::RadioFaults faults = {}) {
        radiolink::CVirtualRadio::Options options;
        options.paced = false;
        options.faults = faults;
        radio = std::make_unique<radiolink::CVirtualRadio>(memory, options);
        std::string error;
        ASSERT_TRUE(radio->Start(error)) << error;
    }

    // The application with COM1 on the radio and the shortened pauses in both dialogs.
    void StartOnRadio() {
        Start();
        MapCom1(radio->DevicePath());
        ReadDlg().m_Timing = FastTiming();
        WriteDlg().m_Timing = FastTiming();
    }

    void MapCom1(const std::string& device) {
        CPortMap map = View().m_CommPort.PortMap();
        map.SetDevice(CPortMap::kCom1, device);
        View().m_CommPort.SetPortMap(map);
    }

    CReadDlg& ReadDlg() { return *View().findChild<CReadDlg*>(); }
    CWriteDlg& WriteDlg() { return *View().findChild<CWriteDlg*>(); }

    static QString StatusText(QDialog& dialog) {
        return dialog.findChild<QLabel*>(QStringLiteral("statusText"))->text();
    }
    static QProgressBar& Progress(QDialog& dialog) {
        return *dialog.findChild<QProgressBar*>(QStringLiteral("progressBar"));
    }

    // The dialog runs until it closes itself; the progress positions it showed are kept.
    void ScriptRunToEnd() {
        prompts.ScriptDialog([this](QDialog& dialog) {
            statusAtOpen = StatusText(dialog);
            QObject::connect(&Progress(dialog), &QProgressBar::valueChanged, &dialog,
                             [this](int value) { progress.push_back(value); });
            EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, kBoundMs));
            QObject::disconnect(&Progress(dialog), nullptr, &dialog, nullptr);
            statusAtEnd = StatusText(dialog);
        });
    }

    // Waits until the exchange waits for the radio's answer, then leaves as the user would.
    void ScriptCancelWhileWaiting(bool closeBox) {
        prompts.ScriptDialog([this, closeBox](QDialog& dialog) {
            auto& exchange = static_cast<CRadioExchangeDlg&>(dialog);
            ASSERT_TRUE(QTest::qWaitFor([&] { return exchange.IsExchangeRunning(); }, kBoundMs));
            statusAtOpen = StatusText(dialog);
            if (closeBox)
                dialog.close();
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
            EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, kBoundMs));
            EXPECT_FALSE(exchange.IsExchangeRunning());
            statusAtEnd = StatusText(dialog);
        });
    }

    std::vector<unsigned char> DocumentBytes() { return datafile::SerializeDocument(Doc()); }

    static std::vector<int> AllBlockPositions() {
        std::vector<int> positions;
        for (int p = 64; p <= 2112; p += 64) positions.push_back(p);
        return positions;
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : prompts.messages) texts.push_back(m.text.toStdString());
        return texts;
    }

    // The exchange let go of the device: anyone can open it now.
    void ExpectLineReleased() {
        EXPECT_FALSE(View().m_CommPort.IsOpen());
        CCommPort other;
        EXPECT_EQ(other.OpenPort(radio->DevicePath(), 2400, 0, 0, 0), 1)
            << other.LastOpenFailure().reason;
    }

    std::unique_ptr<radiolink::CVirtualRadio> radio;
    std::vector<int> progress;
    QString statusAtOpen;
    QString statusAtEnd;
};
