// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableWidget>

#include "RadioFixture.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/app/RunOptions.h"
#include "ui/dialogs/SerialDevicesDlg.h"

namespace {

using enum CommandId;

std::vector<SerialDeviceEntry> TwoCables() {
    return {{"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "0403:6001", "A10KXYZ"},
            {"/dev/ttyUSB1", "USB-Serial Controller", "Prolific", "067b:2303", ""}};
}

class SerialDevicesDialog : public RadioDialogTest {
protected:
    void StartWithCables() {
        Start();
        Frame().findChild<CSerialDevicesDlg*>()->SetDeviceLister(&TwoCables);
    }
    std::string Com1() { return View().m_CommPort.PortMap().DeviceFor(CPortMap::kCom1); }
    std::string Com2() { return View().m_CommPort.PortMap().DeviceFor(CPortMap::kCom2); }

    static QComboBox& Box(QDialog& dialog, const char* name) {
        return *dialog.findChild<QComboBox*>(QString::fromUtf8(name));
    }
    static void Click(QDialog& dialog, const char* name) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    }
    static void SetPath(QComboBox& box, const QString& path) {
        box.lineEdit()->selectAll();
        QTest::keyClicks(box.lineEdit(), path);
    }
    static void ClickOkButton(QDialog& dialog) {
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    void OpenDialog(RecordingPrompts::DialogScript script) {
        prompts.ScriptDialog(std::move(script));
        Action(SerialDevices)->trigger();
    }
};

TEST_F(SerialDevicesDialog, PortMenuOffersTheDialogBelowASeparator) {
    Start();
    EXPECT_EQ(Action(SerialDevices)->text().toStdString(), "&Serial Devices...");
    EXPECT_TRUE(Action(SerialDevices)->isEnabled());
    EXPECT_FALSE(Action(SerialDevices)->isCheckable());
    EXPECT_EQ(Com1(), "/dev/ttyS0") << "no settings yet: the motherboard ports";
    EXPECT_EQ(Com2(), "/dev/ttyS1");
}

TEST_F(SerialDevicesDialog, ListsTheDevicesPresentWithTheirUsbIdentity) {
    StartWithCables();
    OpenDialog([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Serial Devices");
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("deviceTable"));
        ASSERT_EQ(table->rowCount(), 2);
        EXPECT_EQ(table->item(0, 0)->text().toStdString(), "/dev/ttyUSB0");
        EXPECT_EQ(table->item(0, 1)->text().toStdString(), "FT232R USB UART");
        EXPECT_EQ(table->item(0, 3)->text().toStdString(), "0403:6001");
        EXPECT_EQ(table->item(1, 2)->text().toStdString(), "Prolific");
        EXPECT_EQ(Box(dialog, "com1Box").currentText().toStdString(), "/dev/ttyS0");
        EXPECT_EQ(Box(dialog, "com1Box").count(), 2) << "the devices present are offered";
        EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("runNote"))->isVisibleTo(&dialog));
        dialog.reject();
    });
}

TEST_F(SerialDevicesDialog, ChoiceIsUsedAtOnceAndKeptForTheNextRun) {
    StartWithCables();
    const auto portFile = ReadBytes("port.port");
    OpenDialog([](QDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("deviceTable"));
        table->selectRow(1);
        Click(dialog, "useCom1Button");
        SetPath(Box(dialog, "com2Box"), QStringLiteral("/dev/serial/by-id/usb-cable"));
        ClickOkButton(dialog);
    });
    EXPECT_EQ(Com1(), "/dev/ttyUSB1");
    EXPECT_EQ(Com2(), "/dev/serial/by-id/usb-cable");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(ReadBytes("port.port"), portFile) << "the COM1/COM2 choice is a separate matter";
    EXPECT_TRUE(Action(ComPort1)->isChecked());

    app.reset();
    Start();
    EXPECT_EQ(Com1(), "/dev/ttyUSB1");
    EXPECT_EQ(Com2(), "/dev/serial/by-id/usb-cable");
}

TEST_F(SerialDevicesDialog, CancelChangesNothing) {
    StartWithCables();
    OpenDialog([](QDialog& dialog) {
        SetPath(Box(dialog, "com1Box"), QStringLiteral("/dev/ttyUSB0"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Com1(), "/dev/ttyS0");
    app.reset();
    Start();
    EXPECT_EQ(Com1(), "/dev/ttyS0");
}

TEST_F(SerialDevicesDialog, PathThatIsNotFullIsRefusedAndTheDialogStays) {
    StartWithCables();
    OpenDialog([this](QDialog& dialog) {
        SetPath(Box(dialog, "com2Box"), QStringLiteral("ttyUSB0"));
        ClickOkButton(dialog);
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text.toStdString(),
                  FormatText(msg::kDevicePathNeeded, "COM2"));
        SetPath(Box(dialog, "com2Box"), QString());
        ClickOkButton(dialog);
        EXPECT_EQ(prompts.messages.size(), 2u) << "an empty box is refused too";
        SetPath(Box(dialog, "com2Box"), QStringLiteral("/dev/ttyUSB0"));
        ClickOkButton(dialog);
    });
    EXPECT_EQ(Com2(), "/dev/ttyUSB0");
}

TEST_F(SerialDevicesDialog, UnusableSettingsFallBackToTheMotherboardPorts) {
    {
        QSettings settings(QStringLiteral("PRG-715"), QStringLiteral("PRG-715"));
        settings.setValue(QStringLiteral("SerialDevices/COM1"), QStringLiteral("COM3"));
        settings.setValue(QStringLiteral("SerialDevices/COM2"), QString());
    }
    Start();
    EXPECT_EQ(Com1(), "/dev/ttyS0");
    EXPECT_EQ(Com2(), "/dev/ttyS1");
}

TEST_F(SerialDevicesDialog, DeviceSetForThisRunStaysUnlessItsBoxIsChanged) {
    StartWithCables();
    LinkRunOptions options;
    options.com1 = QStringLiteral("/tmp/cable-for-today");
    ApplyLinkOptions(Frame(), options, nullptr);
    EXPECT_EQ(Com1(), "/tmp/cable-for-today");

    OpenDialog([](QDialog& dialog) {
        EXPECT_EQ(Box(dialog, "com1Box").currentText().toStdString(), "/dev/ttyS0")
            << "the box shows what is kept";
        auto* note = dialog.findChild<QLabel*>(QStringLiteral("runNote"));
        EXPECT_TRUE(note->isVisibleTo(&dialog));
        EXPECT_TRUE(note->text().contains(QStringLiteral("/tmp/cable-for-today")));
        SetPath(Box(dialog, "com2Box"), QStringLiteral("/dev/ttyUSB0"));
        ClickOkButton(dialog);
    });
    EXPECT_EQ(Com1(), "/tmp/cable-for-today");
    EXPECT_EQ(Com2(), "/dev/ttyUSB0");

    OpenDialog([](QDialog& dialog) {
        SetPath(Box(dialog, "com1Box"), QStringLiteral("/dev/ttyUSB1"));
        ClickOkButton(dialog);
    });
    EXPECT_EQ(Com1(), "/dev/ttyUSB1");
}

TEST_F(SerialDevicesDialog, ReadGoesToTheDeviceTypedForCom1) {
    StartRadio(DemoMemory("KM161"));
    StartWithCables();
    ReadDlg().m_Timing = FastTiming();
    const QString device = QString::fromStdString(radio->DevicePath());
    OpenDialog([device](QDialog& dialog) {
        SetPath(Box(dialog, "com1Box"), device);
        ClickOkButton(dialog);
    });
    ScriptRunToEnd();
    Action(ReadRadio)->trigger();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{msg::kReadComplete}));
    EXPECT_EQ(Doc().m_b16Channel, 1);
}

}  // namespace
