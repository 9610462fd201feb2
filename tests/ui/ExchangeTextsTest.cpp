// SPDX-License-Identifier: GPL-3.0-or-later
// The radio shop's texts of Read and Write, written out here as the dealers know them: a typo
// in the message table must fail a test, so none of these comes from the table.
#include "RadioFixture.h"

namespace {

using enum CommandId;
using radiolink::RadioFaults;
using V = std::vector<std::string>;

class ExchangeTexts : public RadioDialogTest {
protected:
    void LayOutPlan() {
        Doc() = radiolink::DemoPlan(*FindRadioModel("KM41"));
        Doc().m_nComPort = 1;
        View().ShowPlan(CKM42View::GridFill::SetUpAndFill);
    }
    // Runs the command on a radio with the given faults and returns the messages it showed.
    V Run(CommandId command, RadioFaults faults = {}) {
        StartRadio(DemoMemory("KM41"), faults);
        MapCom1(radio->DevicePath());
        prompts.messages.clear();
        ScriptRunToEnd();
        Action(command)->trigger();
        radio->Stop();
        return MessageTexts();
    }
};

TEST_F(ExchangeTexts, ReadAndWriteSayWhatTheRadioShopsManualsSay) {
    StartRadio(DemoMemory("KM41"));
    StartOnRadio();
    radio->Stop();

    EXPECT_EQ(Run(ReadRadio), V{"Read Complete !"});
    EXPECT_EQ(statusAtEnd.toStdString(), "Reading...");
    LayOutPlan();
    EXPECT_EQ(Run(WriteRadio), V{"Write Complete !"});
    EXPECT_EQ(statusAtEnd.toStdString(), "Writing...");

    RadioFaults wrong;
    wrong.wrongAnswer = 0x41;
    EXPECT_EQ(Run(ReadRadio, wrong), V{"Check your Radio power On/Off or Communication cable !"});
    EXPECT_EQ(Run(WriteRadio, wrong), V{"Check your Radio power On/Off or Communication cable !"});
    RadioFaults badEnd;
    badEnd.badEndBlock = 2;
    EXPECT_EQ(Run(ReadRadio, badEnd), V{"Error! please Retry.."});
    RadioFaults unconfirmed;
    unconfirmed.writeEnd = RadioFaults::WriteEnd::Never;
    EXPECT_EQ(Run(WriteRadio, unconfirmed), V{"Error! please Retry.."});

    MapCom1(File("no-such-tty"));
    prompts.messages.clear();
    Action(ReadRadio)->trigger();
    EXPECT_EQ(MessageTexts(), V{"Fail to open PORT1"});
    CPortMap map = View().m_CommPort.PortMap();
    map.SetDevice(CPortMap::kCom2, File("no-com2"));
    View().m_CommPort.SetPortMap(map);
    Action(ComPort2)->trigger();
    prompts.messages.clear();
    Action(WriteRadio)->trigger();
    EXPECT_EQ(MessageTexts(), V{"Fail to open PORT2"});
}

}  // namespace
