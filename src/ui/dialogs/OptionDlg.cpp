// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/OptionDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/PlanFields.h"
#include "model/PlanText.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"
#include "ui/dialogs/FocusOutChecks.h"

namespace {

constexpr const char* kCaption = QT_TRANSLATE_NOOP("msg", "Radio Option Features");
constexpr const char* kFeaturesTitle = QT_TRANSLATE_NOOP("msg", "Features");
constexpr const char* kScanTitle = QT_TRANSLATE_NOOP("msg", "Scan");
constexpr const char* kPowerSaveTitle = QT_TRANSLATE_NOOP("msg", "Power Save");
constexpr const char* kCompanderTitle = QT_TRANSLATE_NOOP("msg", "Audio Compander");
constexpr const char* kEnable = QT_TRANSLATE_NOOP("msg", "Enable");
constexpr const char* kDisable = QT_TRANSLATE_NOOP("msg", "Disable");
// The "&" letters, and those of the toggles below, are the keys that reach the controls with
// Alt; a letter may serve one control of the dialog only. Enter and Escape close it.
constexpr const char* kTxInhibitLabel = QT_TRANSLATE_NOOP("msg", "Tx &Inhibit");
constexpr const char* kLookbackLabel = QT_TRANSLATE_NOOP("msg", "Pr &Lookback Time");
constexpr const char* kScanDelayLabel = QT_TRANSLATE_NOOP("msg", "Dela&y");
constexpr const char* kSpeedLabel = QT_TRANSLATE_NOOP("msg", "S&peed");
constexpr const char* kRxOnLabel = QT_TRANSLATE_NOOP("msg", "Rx &On");
constexpr const char* kRxOffLabel = QT_TRANSLATE_NOOP("msg", "Rx O&ff");
constexpr const char* kPowerSaveDelayLabel = QT_TRANSLATE_NOOP("msg", "Del&ay");
// By OptionToggle; the letter is marked where it first appears in each of the captions.
constexpr std::array<char, COptionDlg::kToggleCount> kToggleKeys = {'T', 'D', 'B', 'M', 'N',
                                                                    'S', 'E', 'C', 'X', 'W'};
constexpr const char* kSeconds = QT_TRANSLATE_NOOP("msg", "s");
constexpr const char* kOk = QT_TRANSLATE_NOOP("msg", "OK");

// Characters each box takes.
constexpr int kTimeOutChars = 3;
constexpr int kInhibitChars = 2;
constexpr int kDecimalChars = 4;

// The lists' items are the seconds they stand for.
constexpr fields::Range kLookback = fields::Radio(&CKM42Doc::m_nLookbackTime).range;
constexpr fields::Range kScanDelay = fields::Radio(&CKM42Doc::m_nScanDelay).range;
constexpr fields::Range kPowerSaveDelay = fields::Radio(&CKM42Doc::m_nPowerSaveDelay).range;
constexpr int kLookbackFirst = kLookback.low, kLookbackLast = kLookback.high;
constexpr int kScanDelayFirst = kScanDelay.low, kScanDelayLast = kScanDelay.high;
constexpr int kPowerSaveDelayFirst = kPowerSaveDelay.low,
              kPowerSaveDelayLast = kPowerSaveDelay.high;

// Below their first step the boxes stay empty.
constexpr int kTimeOutMinShown = fields::Radio(&CKM42Doc::m_nTxTimeOut).range.low;
constexpr int kInhibitMinShown = fields::Radio(&CKM42Doc::m_nTxInhibit).range.low;
constexpr int kInhibitEnabledAbove = kInhibitMinShown;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QComboBox* MakeList(QWidget* parent, const char* name, int first, int last) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromUtf8(name));
    for (int seconds = first; seconds <= last; ++seconds) list->addItem(QString::number(seconds));
    return list;
}

QLineEdit* MakeBox(QWidget* parent, const char* name, int chars) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setMaxLength(chars);
    return box;
}

// A box or list with its label before and "s" after.
QHBoxLayout* Row(QWidget* parent, const char* label, QWidget* field) {
    auto* row = new QHBoxLayout;
    if (label != nullptr) {
        auto* text = new QLabel(Tr(label), parent);
        text->setBuddy(field);
        row->addWidget(text);
    }
    row->addWidget(field, 1);
    row->addWidget(new QLabel(Tr(kSeconds), parent));
    return row;
}

QString CaptionShown(const CKM42Doc& doc, OptionToggle toggle) {
    const ToggleText text = ToggleCaptionText(doc, toggle);
    if (text.label == nullptr) return Tr(text.format);
    return QString::fromStdString(FormatText(TrFormat(text.format), TrFormat(text.label)));
}

// The caption with its key letter marked.
QString WithKey(const QString& caption, char key) {
    QString text = caption;
    const qsizetype at = text.indexOf(QLatin1Char(key), 0, Qt::CaseInsensitive);
    if (at >= 0) text.insert(at, QLatin1Char('&'));
    return text;
}

// Moves into a box as Tab does: what it shows is selected, so typing replaces it.
void FocusBox(QLineEdit* box) {
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

// Selects an item by index; none for an index outside the list (a damaged file).
void SelectItem(QComboBox* list, std::int32_t index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

}  // namespace

COptionDlg::COptionDlg(CKM42Doc& doc, CUiPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompts(prompts) {
    BuildForm();
    m_pChecks = new CFocusOutChecks(*this);
    m_pChecks->Watch(m_pTxTimeOut, [this](Qt::FocusReason) { RunTimeOutCheck(); });
    m_pChecks->Watch(m_pTxInhibit, [this](Qt::FocusReason) { RunInhibitCheck(); });
    m_pChecks->Watch(m_pScanSpeed,
                     [this](Qt::FocusReason) { RunTimeCheck(m_strScanSpeed, EnterScanSpeed); });
    m_pChecks->Watch(m_pRxOnTime,
                     [this](Qt::FocusReason) { RunTimeCheck(m_strRxOnTime, EnterRxOnTime); });
    m_pChecks->Watch(m_pRxOffTime,
                     [this](Qt::FocusReason) { RunTimeCheck(m_strRxOffTime, EnterRxOffTime); });
    ConnectControls();
}

void COptionDlg::BuildForm() {
    setObjectName(QStringLiteral("optionDlg"));
    setWindowTitle(Tr(kCaption));
    // The caption's close button is disabled: "OK" or Escape close the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    QGroupBox* features = BuildFeatures();
    QGroupBox* scan = BuildScan();
    QGroupBox* powerSave = BuildPowerSave();
    m_pCompanderGroup = BuildCompander();
    m_pOk = new QPushButton(Tr(kOk), this);
    m_pOk->setObjectName(QStringLiteral("okButton"));
    m_pOk->setDefault(true);

    auto* right = new QVBoxLayout;
    right->addWidget(scan);
    right->addWidget(powerSave);
    right->addWidget(m_pCompanderGroup);
    right->addStretch();
    right->addWidget(m_pOk, 0, Qt::AlignHCenter);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(features);
    layout->addLayout(right);
}

QPushButton* COptionDlg::MakeToggle(OptionToggle toggle, const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setCheckable(true);
    button->setAutoDefault(false);  // a check box drawn as a button: Enter still means "OK"
    m_pToggles[static_cast<std::size_t>(toggle)] = button;
    return button;
}

QGroupBox* COptionDlg::BuildFeatures() {
    auto* box = new QGroupBox(Tr(kFeaturesTitle), this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(MakeToggle(OptionToggle::kTxTimeOut, "txTimeOutButton", box));
    m_pTxTimeOut = MakeBox(box, "txTimeOutEdit", kTimeOutChars);
    layout->addLayout(Row(box, nullptr, m_pTxTimeOut));
    m_pTxInhibit = MakeBox(box, "txInhibitEdit", kInhibitChars);
    layout->addLayout(Row(box, kTxInhibitLabel, m_pTxInhibit));
    layout->addWidget(MakeToggle(OptionToggle::kTxDelay, "txDelayButton", box));
    layout->addWidget(MakeToggle(OptionToggle::kBusyLockout, "busyLockoutButton", box));
    layout->addWidget(MakeToggle(OptionToggle::kMarkedIdle, "markedIdleButton", box));
    layout->addWidget(MakeToggle(OptionToggle::kMonitor, "monitorButton", box));
    layout->addWidget(MakeToggle(OptionToggle::kScanIndicator, "scanIndicatorButton", box));
    layout->addWidget(MakeToggle(OptionToggle::kBeep, "beepButton", box));
    m_pLookback = MakeList(box, "lookbackList", kLookbackFirst, kLookbackLast);
    layout->addLayout(Row(box, kLookbackLabel, m_pLookback));
    return box;
}

QGroupBox* COptionDlg::BuildScan() {
    auto* box = new QGroupBox(Tr(kScanTitle), this);
    auto* layout = new QVBoxLayout(box);
    m_pScanDelay = MakeList(box, "scanDelayList", kScanDelayFirst, kScanDelayLast);
    layout->addLayout(Row(box, kScanDelayLabel, m_pScanDelay));
    m_pScanSpeed = MakeBox(box, "scanSpeedEdit", kDecimalChars);
    layout->addLayout(Row(box, kSpeedLabel, m_pScanSpeed));
    layout->addWidget(MakeToggle(OptionToggle::kCarrierTone, "carrierToneButton", box));
    layout->addWidget(MakeToggle(OptionToggle::kScanTx, "scanTxButton", box));
    return box;
}

QGroupBox* COptionDlg::BuildPowerSave() {
    auto* box = new QGroupBox(Tr(kPowerSaveTitle), this);
    auto* layout = new QVBoxLayout(box);
    auto* check = new QCheckBox(box);
    check->setObjectName(QStringLiteral("powerSaveCheck"));
    m_pToggles[static_cast<std::size_t>(OptionToggle::kPowerSave)] = check;
    layout->addWidget(check);
    m_pRxOnTime = MakeBox(box, "rxOnEdit", kDecimalChars);
    layout->addLayout(Row(box, kRxOnLabel, m_pRxOnTime));
    m_pRxOffTime = MakeBox(box, "rxOffEdit", kDecimalChars);
    layout->addLayout(Row(box, kRxOffLabel, m_pRxOffTime));
    m_pPowerSaveDelay =
        MakeList(box, "powerSaveDelayList", kPowerSaveDelayFirst, kPowerSaveDelayLast);
    layout->addLayout(Row(box, kPowerSaveDelayLabel, m_pPowerSaveDelay));
    return box;
}

QGroupBox* COptionDlg::BuildCompander() {
    // The radio's compander setting is kept but not offered: the group stays hidden.
    auto* box = new QGroupBox(Tr(kCompanderTitle), this);
    box->setObjectName(QStringLiteral("companderGroup"));
    auto* layout = new QHBoxLayout(box);
    m_pCompander = new QButtonGroup(this);
    const std::array<std::pair<const char*, const char*>, 2> buttons = {
        {{kEnable, "companderEnable"}, {kDisable, "companderDisable"}}};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new QRadioButton(Tr(buttons[i].first), box);
        button->setObjectName(QString::fromUtf8(buttons[i].second));
        m_pCompander->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    box->setVisible(false);
    return box;
}

void COptionDlg::ConnectControls() {
    for (std::size_t i = 0; i < kToggleCount; ++i) {
        const auto toggle = static_cast<OptionToggle>(i);
        connect(m_pToggles[i], &QAbstractButton::clicked, this,
                [this, toggle] { OnToggleClicked(toggle); });
    }
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCompander, &QButtonGroup::idClicked, this, [this](int index) {
        ControlsToMembers();
        SetCompander(m_doc, index == 0);
    });
    connect(m_pScanDelay, &QComboBox::activated, this,
            [this](int index) { SetScanDelay(m_doc, kScanDelayFirst + index); });
    connect(m_pLookback, &QComboBox::activated, this,
            [this](int index) { SetLookbackTime(m_doc, kLookbackFirst + index); });
    connect(m_pPowerSaveDelay, &QComboBox::activated, this,
            [this](int index) { SetPowerSaveDelay(m_doc, kPowerSaveDelayFirst + index); });
}

int COptionDlg::DoModal() {
    OnInitDialog();
    m_pChecks->SetEnabled(true);
    return m_prompts.ExecDialog(*this);
}

void COptionDlg::done(int result) {
    // A value typed just before Enter or Escape counts as left: it is checked and kept. A box
    // left as a check set it (a refusal just shown) is not checked again.
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget()); box != nullptr && box->isModified())
        m_pChecks->RunFor(box);
    m_pChecks->SetEnabled(false);
    QDialog::done(result);
}

void COptionDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void COptionDlg::OnInitDialog() {
    const CKM42Doc& doc = m_doc;
    for (std::size_t i = 0; i < kToggleCount; ++i)
        m_bPressed[i] = IsPressed(doc, static_cast<OptionToggle>(i)) ? 1 : 0;
    m_pToggles[static_cast<std::size_t>(OptionToggle::kMarkedIdle)]->setEnabled(
        doc.m_bBusyLockout != 0);

    m_strTxTimeOut =
        doc.m_nTxTimeOut >= kTimeOutMinShown ? QString::number(doc.m_nTxTimeOut) : QString();
    m_strTxInhibit =
        doc.m_nTxInhibit >= kInhibitMinShown ? QString::number(doc.m_nTxInhibit) : QString();
    m_pTxTimeOut->setEnabled(doc.m_bTxTimeOut != 0);
    m_pTxInhibit->setEnabled(doc.m_bTxTimeOut != 0);

    // The receiver times are the plan's whether power save is on or not: switching it on
    // enables the boxes with the values the radio will get.
    const bool powerSave = doc.m_bPowerSave != 0;
    for (QWidget* control :
         {static_cast<QWidget*>(m_pRxOnTime), static_cast<QWidget*>(m_pRxOffTime),
          static_cast<QWidget*>(m_pPowerSaveDelay)})
        control->setEnabled(powerSave);
    m_strRxOnTime = Text(FormatText("%4.2f", doc.m_dRxOnTime));
    m_strRxOffTime = Text(FormatText("%4.2f", doc.m_dRxOffTime));

    SelectItem(m_pScanDelay, doc.m_nScanDelay - kScanDelayFirst);
    SelectItem(m_pPowerSaveDelay, doc.m_nPowerSaveDelay);
    m_strScanSpeed = Text(FormatText("%4.2f", doc.m_dScanSpeed));

    // The look-back time only matters with a priority channel to look back to.
    const bool priority = doc.m_bPriorityUsed != 0;
    m_pLookback->setEnabled(priority);
    SelectItem(m_pLookback, priority ? doc.m_nLookbackTime - kLookbackFirst : -1);

    m_nCompander = doc.m_nCompander;
    ShowCaptions();
    MembersToControls();
    Toggle(OptionToggle::kTxTimeOut)->setFocus(Qt::OtherFocusReason);  // the first control
}

void COptionDlg::MembersToControls() {
    for (std::size_t i = 0; i < kToggleCount; ++i) m_pToggles[i]->setChecked(m_bPressed[i] != 0);
    m_pTxTimeOut->setText(m_strTxTimeOut);
    m_pTxInhibit->setText(m_strTxInhibit);
    m_pScanSpeed->setText(m_strScanSpeed);
    m_pRxOnTime->setText(m_strRxOnTime);
    m_pRxOffTime->setText(m_strRxOffTime);
    if (QAbstractButton* button = m_pCompander->button(m_nCompander)) {
        button->setChecked(true);
    } else {
        m_pCompander->setExclusive(false);
        for (QAbstractButton* other : m_pCompander->buttons()) other->setChecked(false);
        m_pCompander->setExclusive(true);
    }
}

void COptionDlg::ControlsToMembers() {
    for (std::size_t i = 0; i < kToggleCount; ++i)
        m_bPressed[i] = m_pToggles[i]->isChecked() ? 1 : 0;
    m_strTxTimeOut = m_pTxTimeOut->text();
    m_strTxInhibit = m_pTxInhibit->text();
    m_strScanSpeed = m_pScanSpeed->text();
    m_strRxOnTime = m_pRxOnTime->text();
    m_strRxOffTime = m_pRxOffTime->text();
    m_nCompander = m_pCompander->checkedId();
}

void COptionDlg::ShowCaptions() {
    const CKM42Doc& doc = m_doc;
    for (std::size_t i = 0; i < kToggleCount; ++i)
        m_pToggles[i]->setText(
            WithKey(CaptionShown(doc, static_cast<OptionToggle>(i)), kToggleKeys[i]));
}

QAbstractButton* COptionDlg::Toggle(OptionToggle toggle) const {
    return m_pToggles[static_cast<std::size_t>(toggle)];
}

std::int32_t& COptionDlg::Pressed(OptionToggle toggle) {
    return m_bPressed[static_cast<std::size_t>(toggle)];
}

void COptionDlg::OnToggleClicked(OptionToggle toggle) {
    ControlsToMembers();
    CKM42Doc& doc = m_doc;
    const bool pressed = Pressed(toggle) != 0;
    const OptionOutcome outcome = SetPressed(doc, toggle, pressed);
    if (!outcome.accepted) {
        Refuse(outcome.message);
        Pressed(toggle) = IsPressed(doc, toggle) ? 1 : 0;
    }
    QLineEdit* next = nullptr;  // the box a feature switched on leads into
    switch (toggle) {
        case OptionToggle::kTxTimeOut:
            m_pTxTimeOut->setEnabled(pressed);
            // An inhibit of exactly 5 s waits for the time-out box to be left once.
            m_pTxInhibit->setEnabled(pressed && doc.m_nTxInhibit > kInhibitEnabledAbove);
            if (pressed) next = m_pTxTimeOut;
            break;
        case OptionToggle::kBusyLockout:
            Toggle(OptionToggle::kMarkedIdle)->setEnabled(pressed);
            Pressed(OptionToggle::kMarkedIdle) = IsPressed(doc, OptionToggle::kMarkedIdle) ? 1 : 0;
            break;
        case OptionToggle::kPowerSave:
            m_pRxOnTime->setEnabled(pressed);
            m_pRxOffTime->setEnabled(pressed);
            m_pPowerSaveDelay->setEnabled(pressed);
            if (pressed) next = m_pRxOnTime;
            break;
        default:
            break;
    }
    ShowCaptions();
    MembersToControls();
    if (next != nullptr) FocusBox(next);
}

void COptionDlg::RunTimeOutCheck() {
    ControlsToMembers();
    const SecondsCheck check = EnterTxTimeOut(m_doc, m_strTxTimeOut.toStdString());
    if (!check.accepted) {
        // The inhibit time went with the time-out.
        Refuse(check.message);
        m_strTxTimeOut.clear();
        m_strTxInhibit.clear();
        m_pTxTimeOut->setFocus(Qt::OtherFocusReason);
        m_pTxInhibit->setEnabled(false);
    } else {
        m_strTxTimeOut = Text(check.shownText);
        m_pTxInhibit->setEnabled(true);
    }
    MembersToControls();
    if (check.accepted) FocusBox(m_pTxInhibit);
}

void COptionDlg::RunInhibitCheck() {
    ControlsToMembers();
    const SecondsCheck check = EnterTxInhibit(m_doc, m_strTxInhibit.toStdString());
    if (!check.accepted) {
        Refuse(check.message);
        m_strTxInhibit.clear();
        m_pTxInhibit->setFocus(Qt::OtherFocusReason);
    } else {
        m_strTxInhibit = Text(check.shownText);
    }
    MembersToControls();
}

void COptionDlg::RunTimeCheck(QString& member, EnterTime enter) {
    ControlsToMembers();
    const TimeCheck check = enter(m_doc, member.toStdString());
    // A refused value falls back to its default at once; the focus moves on.
    if (!check.accepted) Refuse(check.message);
    member = Text(check.shownText);
    MembersToControls();
}

void COptionDlg::Refuse(const std::string& message) {
    m_prompts.MessageBox(this, Text(message), MessageIcon::None, {});
}
