// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ChannelDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/BandTable.h"
#include "model/ChannelRules.h"
#include "model/KM42Doc.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/TypedNumber.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/FocusOutChecks.h"

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::string StdText(const QString& text) {
    return text.toStdString();
}

// The receive refusal of the VHF 2 band has always come as the application's message box
// (with its exclamation mark); every other refusal is the dialog's own plain box.
bool RxRefusalIsAppBox(std::int32_t band) {
    return &BandOrDefault(band) == &BandTable[kBandVhf2];
}

}  // namespace

CChannelDlg::CChannelDlg(CKM42Doc& doc, CUiPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompts(prompts) {
    BuildForm();
    m_pChecks = new CFocusOutChecks(*this);
    WatchBoxes();

    connect(m_pOk, &QPushButton::clicked, this, [this] {
        if (!TakeLostClick(m_pOk)) accept();
    });
    connect(m_pCancel, &QPushButton::clicked, this, &CChannelDlg::OnCancelClicked);
    connect(m_pClear, &QPushButton::clicked, this, &CChannelDlg::OnClearClicked);
    for (const bool receive : {true, false}) {
        const SignalControls& side = receive ? m_rx : m_tx;
        connect(side.types, &QButtonGroup::idClicked, this,
                [this, receive](int type) { OnTypeClicked(receive, type); });
        connect(side.inverted, &QCheckBox::clicked, this, [this] { ControlsToMembers(); });
        const auto watchList = [this](QComboBox* list, std::int32_t* member) {
            connect(list, &QComboBox::activated, this,
                    [this, list, member](int index) { OnListActivated(list, *member, index); });
        };
        watchList(side.ctcssList, receive ? &m_nRxCtcssSel : &m_nTxCtcssSel);
        watchList(side.dcsList, receive ? &m_nRxDcsSel : &m_nTxDcsSel);
    }
}

void CChannelDlg::WatchBoxes() {
    m_pChecks->Watch(m_pRxFreq,
                     [this](Qt::FocusReason reason) { NoteLostClick(reason, !RunRxCheck()); });
    m_pChecks->Watch(m_pTxFreq,
                     [this](Qt::FocusReason reason) { NoteLostClick(reason, !RunTxCheck()); });
    const auto watchTone = [this](QLineEdit* box, QString* member, int tone) {
        m_pChecks->Watch(box, [this, box, member, tone](Qt::FocusReason reason) {
            NoteLostClick(reason, !RunToneCheck(box, *member, tone));
        });
    };
    watchTone(m_rx.nsc1Tone, &m_strRxNsc1, 1);
    watchTone(m_tx.nsc1Tone, &m_strTxNsc1, 1);
    watchTone(m_rx.nsc2Tone, &m_strRxNsc2, 2);
    watchTone(m_tx.nsc2Tone, &m_strTxNsc2, 2);
    for (QLineEdit* box :
         {m_pRxFreq, m_pTxFreq, m_rx.nsc1Tone, m_tx.nsc1Tone, m_rx.nsc2Tone, m_tx.nsc2Tone})
        connect(box, &QLineEdit::textEdited, this, [this] { m_pLostClick = nullptr; });
}

int CChannelDlg::DoModal() {
    if (!IsPlanChannel(m_doc, m_nChannel)) return QDialog::Rejected;
    OnInitDialog();
    m_pChecks->SetEnabled(true);
    return m_prompts.ExecDialog(*this);
}

void CChannelDlg::done(int result) {
    m_pChecks->SetEnabled(false);
    QDialog::done(result);
}

void CChannelDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void CChannelDlg::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !m_pOk->isEnabled() && focusWidget() == m_pRxFreq) m_pChecks->RunFor(m_pRxFreq);
    QDialog::keyPressEvent(event);
}

void CChannelDlg::OnInitDialog() {
    m_pLostClick = nullptr;
    MembersToControls();
    LoadChannel();
    MembersToControls();
    // Typing starts with the receive frequency, replacing what it shows.
    m_pRxFreq->setFocus(Qt::OtherFocusReason);
    m_pRxFreq->selectAll();
}

void CChannelDlg::LoadChannel() {
    const ChannelRecord& ch = m_doc.Channel(m_nChannel);
    m_strBand = QString::fromUtf8(BandName(m_doc.m_nBand));
    for (QComboBox* list : {m_rx.ctcssList, m_rx.dcsList, m_tx.ctcssList, m_tx.dcsList})
        list->setCurrentIndex(0);
    m_strRxNsc1 = Text(NscToneText(ch.m_dRxNsc1));
    m_strRxNsc2 = Text(NscToneText(ch.m_dRxNsc2));
    m_strTxNsc1 = Text(NscToneText(ch.m_dTxNsc1));
    m_strTxNsc2 = Text(NscToneText(ch.m_dTxNsc2));
    m_dNsc1 = ch.m_dRxNsc1;
    m_dNsc2 = ch.m_dRxNsc2;
    m_bRxInvert = ch.m_bRxDcsInvert;
    m_bTxInvert = ch.m_bTxDcsInvert;

    DisableSignalling(m_rx);
    DisableSignalling(m_tx);
    m_strRxFreq = Text(FrequencyText(ch.m_dRxFreq));
    const bool hasRx = ch.m_dRxFreq != 0.0;
    EnableTypeButtons(m_rx, hasRx);
    EnableTypeButtons(m_tx, hasRx);
    m_pOk->setEnabled(hasRx);
    m_strTxFreq = Text(FrequencyText(ch.m_dTxFreq));
    m_dRxMHz = ch.m_dRxFreq;
    m_dTxMHz = ch.m_dTxFreq;
    // The raster of the loaded receive frequency, so that a transmit frequency typed before
    // the receive box was left is tested against this channel and not the last one.
    m_nStep = RasterStepCode(ch.m_dRxFreq);
    m_nRxType = ch.m_nRxSquelch;
    m_nTxType = ch.m_nTxSquelch;

    const auto loadType = [](const SignalControls& side, std::int32_t type, std::int32_t ctcss,
                             std::int32_t dcs, std::int32_t& ctcssSel, std::int32_t& dcsSel) {
        EnableCompanion(side, type);
        if (type == kSquelchCtcss) {
            side.ctcssList->setCurrentIndex(ctcss);
            ctcssSel = ctcss;
        } else if (type == kSquelchDcs) {
            side.dcsList->setCurrentIndex(dcs);
            dcsSel = dcs;
        }
    };
    loadType(m_rx, m_nRxType, ch.m_nRxCtcss, ch.m_nRxDcs, m_nRxCtcssSel, m_nRxDcsSel);
    loadType(m_tx, m_nTxType, ch.m_nTxCtcss, ch.m_nTxDcs, m_nTxCtcssSel, m_nTxDcsSel);
    m_strChannel = QString::number(m_nChannel);
}

void CChannelDlg::MembersToControls() {
    m_pRxFreq->setText(m_strRxFreq);
    m_pTxFreq->setText(m_strTxFreq);
    m_rx.inverted->setChecked(m_bRxInvert != 0);
    m_tx.inverted->setChecked(m_bTxInvert != 0);
    m_rx.nsc1Tone->setText(m_strRxNsc1);
    m_rx.nsc2Tone->setText(m_strRxNsc2);
    m_tx.nsc1Tone->setText(m_strTxNsc1);
    m_tx.nsc2Tone->setText(m_strTxNsc2);
    CheckType(m_rx, m_nRxType);
    CheckType(m_tx, m_nTxType);
    m_pChannel->setText(m_strChannel);
    m_pBand->setText(m_strBand);
}

void CChannelDlg::ControlsToMembers() {
    m_strRxFreq = m_pRxFreq->text();
    m_strTxFreq = m_pTxFreq->text();
    m_bRxInvert = m_rx.inverted->isChecked() ? 1 : 0;
    m_bTxInvert = m_tx.inverted->isChecked() ? 1 : 0;
    m_strRxNsc1 = m_rx.nsc1Tone->text();
    m_strRxNsc2 = m_rx.nsc2Tone->text();
    m_strTxNsc1 = m_tx.nsc1Tone->text();
    m_strTxNsc2 = m_tx.nsc2Tone->text();
    m_nRxType = m_rx.types->checkedId();
    m_nTxType = m_tx.types->checkedId();
}

bool CChannelDlg::RunRxCheck() {
    ControlsToMembers();
    const std::int32_t band = m_doc.m_nBand;
    const FrequencyCheck check = CheckRxBox(StdText(m_strRxFreq), m_dRxMHz, band);
    if (!check.accepted) {
        Refuse(m_pRxFreq, m_strRxFreq, check.message, RxRefusalIsAppBox(band));
        return false;
    }
    m_strRxFreq = Text(check.shownText);
    MembersToControls();
    m_dRxMHz = check.mhz;
    m_nStep = check.stepCode;
    if (m_dRxMHz != 0.0) {
        EnableTypeButtons(m_rx, true);
        m_pOk->setEnabled(true);
    }
    return true;
}

bool CChannelDlg::RunTxCheck() {
    ControlsToMembers();
    const std::int32_t band = m_doc.m_nBand;
    const FrequencyCheck check =
        CheckTxBox(StdText(m_strTxFreq), m_dTxMHz, m_nStep, m_dRxMHz, band);
    if (!check.accepted) {
        Refuse(m_pTxFreq, m_strTxFreq, check.message, false);
        return false;
    }
    m_strTxFreq = Text(check.shownText);
    MembersToControls();
    m_dTxMHz = check.mhz;
    m_nStep = check.stepCode;
    if (check.mhz != 0.0 && ParseTypedNumber(StdText(m_strRxFreq)) != 0.0) {
        EnableTypeButtons(m_tx, true);
        m_pOk->setEnabled(true);
    }
    return true;
}

bool CChannelDlg::RunToneCheck(QLineEdit* box, QString& member, int tone) {
    ControlsToMembers();
    const ToneCheck check = CheckTone(StdText(member));
    if (!check.accepted) {
        Refuse(box, member, check.message, false);
        return false;
    }
    // One tone for the whole radio: both directions' boxes show it.
    const QString shown = Text(check.shownText);
    if (tone == 1) {
        m_dNsc1 = check.hz;
        m_strRxNsc1 = m_strTxNsc1 = shown;
    } else {
        m_dNsc2 = check.hz;
        m_strRxNsc2 = m_strTxNsc2 = shown;
    }
    MembersToControls();
    return true;
}

void CChannelDlg::Refuse(QLineEdit* box, QString& member, const std::string& message, bool appBox) {
    if (appBox)
        AppMessageBox(m_prompts, this, message.c_str());
    else
        m_prompts.MessageBox(this, Text(message), MessageIcon::None, {});
    member.clear();
    MembersToControls();
    box->setFocus(Qt::OtherFocusReason);
}

void CChannelDlg::NoteLostClick(Qt::FocusReason reason, bool refused) {
    QWidget* taker = m_pChecks->NewFocus();
    const bool endButton = taker == m_pOk || taker == m_pCancel || taker == m_pClear;
    m_pLostClick = refused && endButton && reason == Qt::MouseFocusReason ? taker : nullptr;
}

bool CChannelDlg::TakeLostClick(const QWidget* button) {
    const bool lost = m_pLostClick == button;
    m_pLostClick = nullptr;
    return lost;
}

void CChannelDlg::OnTypeClicked(bool receive, int type) {
    ControlsToMembers();
    const SignalControls& side = receive ? m_rx : m_tx;
    SetCompanions(side, type);
    // The list of the chosen type stores what it shows, also when that was not this
    // channel's type at opening and the list still shows its first item.
    const auto takeShown = [](const QComboBox* list, std::int32_t& member) {
        if (list->currentIndex() >= 0) member = list->currentIndex();
    };
    if (type == kSquelchCtcss) takeShown(side.ctcssList, receive ? m_nRxCtcssSel : m_nTxCtcssSel);
    if (type == kSquelchDcs) takeShown(side.dcsList, receive ? m_nRxDcsSel : m_nTxDcsSel);
    if (receive && type == kSquelchNsc1) {
        // Shows the tone #1 that "OK" will store for the radio.
        m_strRxNsc1 = Text(NscToneText(m_dNsc1));
        MembersToControls();
    }
}

void CChannelDlg::OnListActivated(QComboBox* list, std::int32_t& member, int index) {
    if (index >= 0 && index < list->count()) member = index;
}

void CChannelDlg::accept() {
    {
        // A tone typed just before Enter counts as left, so that it is not lost.
        QWidget* focus = focusWidget();
        for (QLineEdit* box : {m_rx.nsc1Tone, m_rx.nsc2Tone, m_tx.nsc1Tone, m_tx.nsc2Tone})
            if (focus == box && box->isModified()) m_pChecks->RunFor(box);
        const CFocusOutChecks::Pause pause(*m_pChecks);
        ControlsToMembers();
        const bool rxAccepted = RunRxCheck();
        const bool txAccepted = RunTxCheck();

        ChannelEdit edit = LoadChannelEdit(m_doc, m_nChannel).value_or(ChannelEdit{});
        // A type the buttons cannot show (damaged file) stays as it was.
        if (m_nRxType >= 0) edit.rxType = m_nRxType;
        if (m_nTxType >= 0) edit.txType = m_nTxType;
        // Only the list of the chosen type is taken; the others keep the channel's entries.
        if (edit.rxType == kSquelchCtcss) edit.rxCtcss = m_nRxCtcssSel;
        if (edit.rxType == kSquelchDcs) edit.rxDcs = m_nRxDcsSel;
        if (edit.txType == kSquelchCtcss) edit.txCtcss = m_nTxCtcssSel;
        if (edit.txType == kSquelchDcs) edit.txDcs = m_nTxDcsSel;
        edit.rxInvert = m_bRxInvert;
        edit.txInvert = m_bTxInvert;
        edit.nsc1 = m_dNsc1;
        edit.nsc2 = m_dNsc2;
        edit.rxMHz = m_dRxMHz;
        edit.txMHz = m_dTxMHz;
        edit.stepCode = m_nStep;

        // An emptied RX box (a typo refused, say) would clear the whole channel: as Delete
        // does, that is asked first, and No leaves the dialog open to type the frequency.
        if (edit.rxMHz == 0.0 && m_doc.Channel(m_nChannel).InUse() && !ConfirmClear()) return;
        const StoreOutcome outcome = StoreChannel(m_doc, m_nChannel, edit);
        if (!outcome.stored) {
            // Frequencies kept from before a refusal that share no raster: the box to correct
            // is emptied, unless its own check has just done so with its message.
            if (outcome.field == ChannelField::kRxFrequency && rxAccepted)
                Refuse(m_pRxFreq, m_strRxFreq, outcome.message, false);
            else if (outcome.field == ChannelField::kTxFrequency && txAccepted)
                Refuse(m_pTxFreq, m_strTxFreq, outcome.message, false);
            else if (outcome.field == ChannelField::kNone)
                m_prompts.MessageBox(this, Text(outcome.message), MessageIcon::None, {});
            return;
        }
    }
    QDialog::accept();
}

bool CChannelDlg::ConfirmClear() {
    const std::string question =
        FormatText(TrFormat(msg::kClearChannelQuestion), std::to_string(m_nChannel).c_str());
    return m_prompts.AskQuestion(this, Text(question), QuestionKind::YesNo) == QuestionAnswer::Yes;
}

void CChannelDlg::OnClearClicked() {
    if (TakeLostClick(m_pClear)) return;
    ClearChannel(m_doc, m_nChannel);
    QDialog::accept();
}

void CChannelDlg::OnCancelClicked() {
    if (TakeLostClick(m_pCancel)) return;
    reject();
}

void CChannelDlg::EnableTypeButtons(const SignalControls& side, bool enabled) {
    for (QRadioButton* button : side.typeButtons) button->setEnabled(enabled);
}

void CChannelDlg::DisableSignalling(const SignalControls& side) {
    for (QRadioButton* button : side.typeButtons) button->setEnabled(false);
    SetCompanions(side, kSquelchCsq);
}

void CChannelDlg::SetCompanions(const SignalControls& side, int type) {
    side.inverted->setEnabled(type == kSquelchDcs);
    side.ctcssList->setEnabled(type == kSquelchCtcss);
    side.dcsList->setEnabled(type == kSquelchDcs);
    side.nsc1Tone->setEnabled(type == kSquelchNsc1);
    side.nsc2Tone->setEnabled(type == kSquelchNsc2);
}

void CChannelDlg::EnableCompanion(const SignalControls& side, int type) {
    if (type == kSquelchCtcss) side.ctcssList->setEnabled(true);
    if (type == kSquelchDcs) {
        side.inverted->setEnabled(true);
        side.dcsList->setEnabled(true);
    }
    if (type == kSquelchNsc1) side.nsc1Tone->setEnabled(true);
    if (type == kSquelchNsc2) side.nsc2Tone->setEnabled(true);
}

void CChannelDlg::CheckType(const SignalControls& side, std::int32_t type) {
    if (type >= 0 && type < static_cast<std::int32_t>(side.typeButtons.size())) {
        side.typeButtons[static_cast<std::size_t>(type)]->setChecked(true);
        return;
    }
    // An exclusive group cannot be emptied button by button.
    side.types->setExclusive(false);
    for (QRadioButton* button : side.typeButtons) button->setChecked(false);
    side.types->setExclusive(true);
}
