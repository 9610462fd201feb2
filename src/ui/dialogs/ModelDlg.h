// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <array>
#include <cstdint>

#include "model/BandTable.h"

struct CKM42Doc;
class QButtonGroup;
class QPushButton;
class QRadioButton;
class CUiPrompts;

// "Select Radio Model": the band (only VHF 2 and UHF 2 can be picked) and the channel count
// of a new plan, written into the document on OK (the count as it is toggled, taken back on
// Escape). One object for the whole run: the last band chosen stays selected.
class CModelDlg : public QDialog {
    Q_OBJECT
public:
    CModelDlg(CKM42Doc& doc, CUiPrompts& prompts, QWidget* parent);

    // Initialises the controls from the members and the document, then runs modally.
    int DoModal();

    std::int32_t m_nBandChoice = -1;    // checked band button 0..8, -1 none
    std::int32_t m_bSixteenChoice = 0;  // channel-count toggle: 1 = 16 channels
    std::int32_t m_nPickedBand = 0;     // band last clicked in this run (1 or 4); never reset

public slots:
    void accept() override;  // OK: refuses until a band was picked, then stores the choice
    void reject() override;  // Escape or close box: the channel count goes back

private:
    void OnInitDialog();
    void MembersToControls();
    void ControlsToMembers();
    void OnBandClicked(int band);
    void OnChannelToggle();
    void ShowChannelCaption();

    CKM42Doc& m_doc;
    CUiPrompts& m_prompts;
    QButtonGroup* m_pBandGroup = nullptr;
    std::array<QRadioButton*, kBandCount> m_pBandButtons{};
    QPushButton* m_pChannelButton = nullptr;
    std::int32_t m_b16ChannelAtOpen = 0;
};
