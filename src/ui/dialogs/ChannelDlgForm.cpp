// SPDX-License-Identifier: GPL-3.0-or-later
// The channel editor's form: its controls, their names and the tab order.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

#include "model/PlanText.h"
#include "model/SignalLists.h"
#include "ui/common/Translate.h"
#include "ui/dialogs/ChannelDlg.h"

namespace {

constexpr const char* kCaption = QT_TRANSLATE_NOOP("msg", "Channel");
constexpr const char* kMHzLabel = QT_TRANSLATE_NOOP("msg", "MHz");
constexpr const char* kChannelTitle = QT_TRANSLATE_NOOP("msg", "CH");
// The "&" letters are the keys that reach the controls with Alt; Enter is "OK", Escape
// "CANCEL".
constexpr const char* kOk = QT_TRANSLATE_NOOP("msg", "&OK");
constexpr const char* kCancel = QT_TRANSLATE_NOOP("msg", "C&ANCEL");
constexpr const char* kClear = QT_TRANSLATE_NOOP("msg", "c&lear");

// The two halves' texts; a letter may serve one control of the dialog only.
struct HalfTexts {
    const char* title;
    const char* prefix;  // of the controls' object names
    const char* freqLabel;
    const char* signaling;  // its letter reaches the checked signalling button
    const char* inverted;
};
constexpr HalfTexts kRxTexts{
    QT_TRANSLATE_NOOP("msg", "RX"), "rx", QT_TRANSLATE_NOOP("msg", "&Freq"),
    QT_TRANSLATE_NOOP("msg", "&Signaling"), QT_TRANSLATE_NOOP("msg", "&Inverted")};
constexpr HalfTexts kTxTexts{
    QT_TRANSLATE_NOOP("msg", "TX"), "tx", QT_TRANSLATE_NOOP("msg", "Fre&q"),
    QT_TRANSLATE_NOOP("msg", "Si&gnaling"), QT_TRANSLATE_NOOP("msg", "In&verted")};

constexpr int kFreqChars = 8;  // a 6.25 kHz value with five decimals does not fit

struct TypeButtonInfo {
    const char* label;
    const char* name;
};
// By SquelchType.
constexpr std::array<TypeButtonInfo, 5> kTypeButtons = {{
    {"CSQ", "Csq"},
    {"CTCSS", "Ctcss"},
    {"DCS", "Dcs"},
    {QT_TRANSLATE_NOOP("msg", "Non Standard Ctcss #1"), "Nsc1"},
    {QT_TRANSLATE_NOOP("msg", "Non Standard Ctcss #2"), "Nsc2"},
}};

QString Name(const char* prefix, const char* name) {
    return QString::fromUtf8(prefix) + QString::fromUtf8(name);
}

QComboBox* MakeList(QWidget* parent, const QString& name, const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    list->setMaxVisibleItems(12);
    return list;
}

QStringList CtcssItems() {
    QStringList items;
    for (const double tone : kCtcssTones)
        items << QString::fromStdString(FormatText("%4.1f", tone));
    return items;
}

QStringList DcsItems() {
    QStringList items;
    for (const int code : kDcsCodes) items << QString::fromStdString(FormatText("%03d", code));
    return items;
}

}  // namespace

void CChannelDlg::BuildForm() {
    setObjectName(QStringLiteral("channelDlg"));
    setWindowTitle(Tr(kCaption));
    // The caption's close button is disabled: the dialog is left by its buttons or Escape.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    m_pOk = new QPushButton(Tr(kOk), this);
    m_pOk->setObjectName(QStringLiteral("okButton"));
    m_pOk->setDefault(true);

    QWidget* rxHalf = BuildHalf(true, m_pRxFreq, m_rx);
    QWidget* txHalf = BuildHalf(false, m_pTxFreq, m_tx);

    auto* channelBox = new QGroupBox(Tr(kChannelTitle), this);
    m_pChannel = new QLabel(channelBox);
    m_pChannel->setObjectName(QStringLiteral("channelLabel"));
    m_pChannel->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(channelBox))->addWidget(m_pChannel);
    m_pClear = new QPushButton(Tr(kClear), this);
    m_pClear->setObjectName(QStringLiteral("clearButton"));
    auto* middle = new QVBoxLayout;
    middle->addWidget(channelBox);
    middle->addWidget(m_pClear);
    middle->addStretch();

    m_pBand = new QLabel(this);
    m_pBand->setObjectName(QStringLiteral("bandLabel"));
    m_pCancel = new QPushButton(Tr(kCancel), this);
    m_pCancel->setObjectName(QStringLiteral("cancelButton"));

    auto* halves = new QHBoxLayout;
    halves->addWidget(rxHalf);
    halves->addLayout(middle);
    halves->addWidget(txHalf);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_pBand, 1);
    bottom->addWidget(m_pCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pOk, 0, Qt::AlignHCenter);
    layout->addLayout(halves);
    layout->addLayout(bottom);

    SetTabOrder();
}

QWidget* CChannelDlg::BuildHalf(bool receive, QLineEdit*& freq, SignalControls& side) {
    const HalfTexts& texts = receive ? kRxTexts : kTxTexts;
    const char* prefix = texts.prefix;
    auto* half = new QGroupBox(Tr(texts.title), this);
    freq = new QLineEdit(half);
    freq->setObjectName(Name(prefix, "Freq"));
    freq->setMaxLength(kFreqChars);
    freq->setAlignment(Qt::AlignRight);
    auto* freqRow = new QHBoxLayout;
    auto* freqLabel = new QLabel(Tr(texts.freqLabel), half);
    freqLabel->setBuddy(freq);
    freqRow->addWidget(freqLabel);
    freqRow->addWidget(freq, 1);
    freqRow->addWidget(new QLabel(Tr(kMHzLabel), half));

    auto* signaling = new QGroupBox(Tr(texts.signaling), half);
    side.types = new QButtonGroup(this);
    for (std::size_t type = 0; type < kTypeButtons.size(); ++type) {
        auto* button = new QRadioButton(Tr(kTypeButtons[type].label), signaling);
        button->setObjectName(Name(prefix, kTypeButtons[type].name));
        side.types->addButton(button, static_cast<int>(type));
        side.typeButtons[type] = button;
    }
    side.ctcssList = MakeList(signaling, Name(prefix, "CtcssList"), CtcssItems());
    side.dcsList = MakeList(signaling, Name(prefix, "DcsList"), DcsItems());
    side.inverted = new QCheckBox(Tr(texts.inverted), signaling);
    side.inverted->setObjectName(Name(prefix, "Inverted"));
    side.nsc1Tone = new QLineEdit(signaling);
    side.nsc1Tone->setObjectName(Name(prefix, "Nsc1Tone"));
    side.nsc2Tone = new QLineEdit(signaling);
    side.nsc2Tone->setObjectName(Name(prefix, "Nsc2Tone"));

    auto* grid = new QGridLayout(signaling);
    grid->addWidget(side.typeButtons[kSquelchCsq], 0, 0);
    grid->addWidget(side.typeButtons[kSquelchCtcss], 1, 0);
    grid->addWidget(side.ctcssList, 1, 1);
    grid->addWidget(side.typeButtons[kSquelchDcs], 2, 0);
    grid->addWidget(side.dcsList, 2, 1);
    grid->addWidget(side.inverted, 3, 1);
    grid->addWidget(side.typeButtons[kSquelchNsc1], 4, 0, 1, 2);
    grid->addWidget(side.nsc1Tone, 5, 0);
    grid->addWidget(side.typeButtons[kSquelchNsc2], 6, 0, 1, 2);
    grid->addWidget(side.nsc2Tone, 7, 0);

    auto* layout = new QVBoxLayout(half);
    layout->addLayout(freqRow);
    layout->addWidget(signaling);
    return half;
}

void CChannelDlg::SetTabOrder() {
    std::vector<QWidget*> order = {m_pOk, m_pRxFreq, m_pTxFreq};
    for (QRadioButton* button : m_rx.typeButtons) order.push_back(button);
    order.insert(order.end(),
                 {m_rx.nsc1Tone, m_rx.nsc2Tone, m_rx.ctcssList, m_rx.dcsList, m_rx.inverted,
                  m_tx.typeButtons[kSquelchCsq], m_tx.typeButtons[kSquelchCtcss],
                  m_tx.typeButtons[kSquelchDcs], m_tx.inverted, m_tx.typeButtons[kSquelchNsc1],
                  m_tx.typeButtons[kSquelchNsc2], m_tx.nsc1Tone, m_tx.nsc2Tone, m_tx.ctcssList,
                  m_tx.dcsList, m_pCancel, m_pClear});
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}
