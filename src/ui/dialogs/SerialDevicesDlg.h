// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <functional>
#include <vector>

#include "ui/common/SerialDevices.h"

class CCommPort;
class QComboBox;
class QLabel;
class QTableWidget;
class CUiPrompts;

// "Serial Devices" (Port menu): lists the serial devices present and lets the user say which
// one COM1 and COM2 stand for, or type a path. OK keeps the choice in the settings and uses it
// at once; a device the command line set for this run stays unless its box was changed.
// One object for the whole run.
class CSerialDevicesDlg : public QDialog {
    Q_OBJECT
public:
    CSerialDevicesDlg(CCommPort& port, CUiPrompts& prompts, QWidget* parent);

    int DoModal();

    // Where the list comes from; the system's serial ports unless a test says otherwise.
    using DeviceLister = std::function<std::vector<SerialDeviceEntry>()>;
    void SetDeviceLister(DeviceLister lister) { m_listDevices = std::move(lister); }

public slots:
    void accept() override;

private:
    void OnInitDialog();
    void FillDeviceList();
    void UseSelectedDevice(QComboBox& box);
    void ShowRunNote();
    bool CheckPath(QComboBox& box, const char* comName);

    CCommPort& m_port;
    CUiPrompts& m_prompts;
    DeviceLister m_listDevices;
    QTableWidget* m_pDeviceTable = nullptr;
    QComboBox* m_pCom1Box = nullptr;
    QComboBox* m_pCom2Box = nullptr;
    QLabel* m_pRunNote = nullptr;
    PortDevices m_SavedAtOpen;
};
