// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

#include "model/OptionRules.h"

class CFocusOutChecks;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class CUiPrompts;

// "Radio Option Features": the radio-wide options. Every control writes its document field
// at once (click, list choice, or leaving a box), so "OK" and Escape only close and both keep
// the changes. Most options are push-like toggles whose caption names the state. One object
// for the whole run; each opening reloads every control from the document.
class COptionDlg : public QDialog {
    Q_OBJECT
public:
    COptionDlg(CKM42Doc& doc, CUiPrompts& prompts, QWidget* parent);

    int DoModal();

    static constexpr std::size_t kToggleCount =
        static_cast<std::size_t>(OptionToggle::kPowerSave) + 1;

    // One member per control.
    std::array<std::int32_t, kToggleCount> m_bPressed{};  // by OptionToggle
    QString m_strTxTimeOut;
    QString m_strTxInhibit;
    QString m_strScanSpeed;
    QString m_strRxOnTime;
    QString m_strRxOffTime;
    std::int32_t m_nCompander = 0;  // radio index: 0 enable, 1 disable

public slots:
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;  // the close box is disabled

private:
    using EnterTime = TimeCheck (*)(CKM42Doc&, std::string_view);

    void BuildForm();
    QGroupBox* BuildFeatures();
    QGroupBox* BuildScan();
    QGroupBox* BuildPowerSave();
    QGroupBox* BuildCompander();
    QPushButton* MakeToggle(OptionToggle toggle, const char* name, QWidget* parent);
    void ConnectControls();

    void OnInitDialog();
    void MembersToControls();
    void ControlsToMembers();
    void ShowCaptions();

    void OnToggleClicked(OptionToggle toggle);
    void RunTimeOutCheck();
    void RunInhibitCheck();
    void RunTimeCheck(QString& member, EnterTime enter);
    void Refuse(const std::string& message);

    QAbstractButton* Toggle(OptionToggle toggle) const;
    std::int32_t& Pressed(OptionToggle toggle);

    CKM42Doc& m_doc;
    CUiPrompts& m_prompts;
    CFocusOutChecks* m_pChecks = nullptr;
    std::array<QAbstractButton*, kToggleCount> m_pToggles{};
    QLineEdit* m_pTxTimeOut = nullptr;
    QLineEdit* m_pTxInhibit = nullptr;
    QComboBox* m_pLookback = nullptr;
    QComboBox* m_pScanDelay = nullptr;
    QLineEdit* m_pScanSpeed = nullptr;
    QLineEdit* m_pRxOnTime = nullptr;
    QLineEdit* m_pRxOffTime = nullptr;
    QComboBox* m_pPowerSaveDelay = nullptr;
    QGroupBox* m_pCompanderGroup = nullptr;
    QButtonGroup* m_pCompander = nullptr;
    QPushButton* m_pOk = nullptr;
};
