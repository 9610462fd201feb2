// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ModelDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/KM42Doc.h"
#include "model/Messages.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("msg", "Select Radio Model");
constexpr const char* kBandGroupTitle = QT_TRANSLATE_NOOP("msg", "Select Radio Models");
constexpr const char* kChannelGroupTitle = QT_TRANSLATE_NOOP("msg", "Channel");
constexpr const char* kFourChannels = QT_TRANSLATE_NOOP("msg", "4 Channels");
constexpr const char* kSixteenChannels = QT_TRANSLATE_NOOP("msg", "16 Channels");
}  // namespace

CModelDlg::CModelDlg(CKM42Doc& doc, CUiPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompts(prompts) {
    setWindowTitle(Tr(kCaption));
    setObjectName(QStringLiteral("modelDlg"));

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &CModelDlg::accept);

    auto* bandBox = new QGroupBox(Tr(kBandGroupTitle), this);
    auto* bandLayout = new QVBoxLayout(bandBox);
    m_pBandGroup = new QButtonGroup(this);
    for (int band = 0; band < kBandCount; ++band) {
        auto* button = new QRadioButton(QString::fromUtf8(BandTable[band].modelLabel), bandBox);
        button->setObjectName(QStringLiteral("band%1").arg(band));
        m_pBandGroup->addButton(button, band);
        bandLayout->addWidget(button);
        m_pBandButtons[static_cast<std::size_t>(band)] = button;
    }
    connect(m_pBandGroup, &QButtonGroup::idClicked, this, &CModelDlg::OnBandClicked);

    auto* channelBox = new QGroupBox(Tr(kChannelGroupTitle), this);
    auto* channelLayout = new QVBoxLayout(channelBox);
    m_pChannelButton = new QPushButton(Tr(kFourChannels), channelBox);
    m_pChannelButton->setObjectName(QStringLiteral("channelButton"));
    m_pChannelButton->setCheckable(true);
    m_pChannelButton->setAutoDefault(false);
    channelLayout->addWidget(m_pChannelButton);
    connect(m_pChannelButton, &QPushButton::clicked, this, &CModelDlg::OnChannelToggle);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
    layout->addWidget(bandBox);
    layout->addWidget(channelBox);
}

int CModelDlg::DoModal() {
    OnInitDialog();
    return m_prompts.ExecDialog(*this);
}

void CModelDlg::OnInitDialog() {
    m_b16ChannelAtOpen = m_doc.m_b16Channel;
    MembersToControls();
    for (int band = 0; band < kBandCount; ++band)
        m_pBandButtons[static_cast<std::size_t>(band)]->setEnabled(BandTable[band].selectable);
    ControlsToMembers();
    m_bSixteenChoice = m_doc.m_b16Channel != 0 ? 1 : 0;
    ShowChannelCaption();
    MembersToControls();
}

void CModelDlg::MembersToControls() {
    if (m_nBandChoice >= 0 && m_nBandChoice < kBandCount) {
        m_pBandButtons[static_cast<std::size_t>(m_nBandChoice)]->setChecked(true);
    } else {
        // An exclusive group cannot be emptied button by button.
        m_pBandGroup->setExclusive(false);
        for (QRadioButton* button : m_pBandButtons) button->setChecked(false);
        m_pBandGroup->setExclusive(true);
    }
    m_pChannelButton->setChecked(m_bSixteenChoice != 0);
}

void CModelDlg::ControlsToMembers() {
    m_nBandChoice = m_pBandGroup->checkedId();  // -1 when none is checked
    m_bSixteenChoice = m_pChannelButton->isChecked() ? 1 : 0;
}

void CModelDlg::OnBandClicked(int band) {
    if (band >= 0 && band < kBandCount && BandTable[band].selectable) m_nPickedBand = band;
}

void CModelDlg::OnChannelToggle() {
    ControlsToMembers();
    m_doc.m_b16Channel = m_bSixteenChoice;
    ShowChannelCaption();
    MembersToControls();
}

void CModelDlg::ShowChannelCaption() {
    m_pChannelButton->setText(Tr(m_bSixteenChoice != 0 ? kSixteenChannels : kFourChannels));
}

void CModelDlg::accept() {
    ControlsToMembers();
    // A band picked in an opening left with Escape is no longer checked at the next one.
    const bool picked = m_nPickedBand == kBandVhf2 || m_nPickedBand == kBandUhf2;
    const bool checked =
        m_nBandChoice >= 0 && m_nBandChoice < kBandCount && BandTable[m_nBandChoice].selectable;
    if (!picked || !checked) {
        AppMessageBox(m_prompts, this, msg::kSelectRadioModel);
        return;
    }
    m_doc.m_nBand = m_nBandChoice;
    QDialog::accept();
}

void CModelDlg::reject() {
    // The toggle wrote the count into the document at once; leaving without OK must not
    // leave a plan whose channels were set up for the other count.
    m_doc.m_b16Channel = m_b16ChannelAtOpen;
    QDialog::reject();
}
