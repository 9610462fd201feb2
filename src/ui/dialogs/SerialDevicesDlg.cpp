// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SerialDevicesDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

#include "link/CommPort.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/common/CorePaths.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("msg", "Serial Devices");
constexpr const char* kListTitle = QT_TRANSLATE_NOOP("msg", "Serial devices on this computer:");
constexpr std::array kColumnTitles = {
    QT_TRANSLATE_NOOP("msg", "Device"), QT_TRANSLATE_NOOP("msg", "Description"),
    QT_TRANSLATE_NOOP("msg", "Manufacturer"), QT_TRANSLATE_NOOP("msg", "USB ID"),
    QT_TRANSLATE_NOOP("msg", "Serial number")};
constexpr const char* kRefresh = QT_TRANSLATE_NOOP("msg", "&Refresh");
constexpr const char* kUseForCom1 = QT_TRANSLATE_NOOP("msg", "Use for COM&1");
constexpr const char* kUseForCom2 = QT_TRANSLATE_NOOP("msg", "Use for COM&2");
constexpr const char* kCom1Label = QT_TRANSLATE_NOOP("msg", "COM&1:");
constexpr const char* kCom2Label = QT_TRANSLATE_NOOP("msg", "COM&2:");
constexpr const char* kNoDevices = QT_TRANSLATE_NOOP("msg", "(none found; type the path below)");
constexpr const char* kRunNote = QT_TRANSLATE_NOOP(
    "msg",
    "For this run %1 is %2 (command line or virtual radio); it stays so unless you change %1 "
    "here.");

enum Column { kColPath, kColDescription, kColManufacturer, kColUsbId, kColSerial };

QComboBox* MakeDeviceBox(QWidget* parent, const QString& name, const char* label) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);  // any path can be typed, e.g. a symbolic link to a cable
    // The label names the box; the field typed into inside it needs the name too.
    box->lineEdit()->setAccessibleName(QString::fromUtf8(label).remove(QLatin1Char('&')));
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(24);
    return box;
}

}  // namespace

CSerialDevicesDlg::CSerialDevicesDlg(CCommPort& port, CUiPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_port(port), m_prompts(prompts), m_listDevices(&ListSerialDevices) {
    setWindowTitle(Tr(kCaption));
    setObjectName(QStringLiteral("serialDevicesDlg"));

    m_pDeviceTable = new QTableWidget(0, static_cast<int>(kColumnTitles.size()), this);
    m_pDeviceTable->setObjectName(QStringLiteral("deviceTable"));
    m_pDeviceTable->setAccessibleName(QString::fromUtf8(kListTitle));
    QStringList titles;
    for (const char* title : kColumnTitles) titles << Tr(title);
    m_pDeviceTable->setHorizontalHeaderLabels(titles);
    m_pDeviceTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pDeviceTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pDeviceTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pDeviceTable->verticalHeader()->hide();
    m_pDeviceTable->horizontalHeader()->setStretchLastSection(true);

    auto* refresh = new QPushButton(Tr(kRefresh), this);
    refresh->setObjectName(QStringLiteral("refreshButton"));
    auto* useCom1 = new QPushButton(Tr(kUseForCom1), this);
    useCom1->setObjectName(QStringLiteral("useCom1Button"));
    auto* useCom2 = new QPushButton(Tr(kUseForCom2), this);
    useCom2->setObjectName(QStringLiteral("useCom2Button"));
    for (QPushButton* button : {refresh, useCom1, useCom2}) button->setAutoDefault(false);

    m_pCom1Box = MakeDeviceBox(this, QStringLiteral("com1Box"), kCom1Label);
    m_pCom2Box = MakeDeviceBox(this, QStringLiteral("com2Box"), kCom2Label);
    m_pRunNote = new QLabel(this);
    m_pRunNote->setObjectName(QStringLiteral("runNote"));
    m_pRunNote->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CSerialDevicesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSerialDevicesDlg::reject);
    connect(refresh, &QPushButton::clicked, this, &CSerialDevicesDlg::FillDeviceList);
    connect(useCom1, &QPushButton::clicked, this, [this] { UseSelectedDevice(*m_pCom1Box); });
    connect(useCom2, &QPushButton::clicked, this, [this] { UseSelectedDevice(*m_pCom2Box); });

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(refresh);
    listButtons->addStretch(1);
    listButtons->addWidget(useCom1);
    listButtons->addWidget(useCom2);
    auto* choice = new QFormLayout;
    choice->addRow(Tr(kCom1Label), m_pCom1Box);
    choice->addRow(Tr(kCom2Label), m_pCom2Box);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Tr(kListTitle), this));
    layout->addWidget(m_pDeviceTable, 1);
    layout->addLayout(listButtons);
    layout->addLayout(choice);
    layout->addWidget(m_pRunNote);
    layout->addWidget(buttons);
    resize(640, 360);
}

int CSerialDevicesDlg::DoModal() {
    OnInitDialog();
    return m_prompts.ExecDialog(*this);
}

void CSerialDevicesDlg::OnInitDialog() {
    m_SavedAtOpen = LoadPortDevices();
    m_pCom1Box->setEditText(m_SavedAtOpen.com1);
    m_pCom2Box->setEditText(m_SavedAtOpen.com2);
    FillDeviceList();
    ShowRunNote();
}

void CSerialDevicesDlg::FillDeviceList() {
    const std::vector<SerialDeviceEntry> devices = m_listDevices();
    m_pDeviceTable->clearContents();
    m_pDeviceTable->setRowCount(static_cast<int>(devices.size()));
    QStringList paths;
    for (int row = 0; row < static_cast<int>(devices.size()); ++row) {
        const SerialDeviceEntry& d = devices[static_cast<std::size_t>(row)];
        const std::array<QString, kColumnTitles.size()> cells = {
            d.path, d.description, d.manufacturer, d.usbId, d.serialNumber};
        for (int col = 0; col < static_cast<int>(cells.size()); ++col)
            m_pDeviceTable->setItem(row, col,
                                    new QTableWidgetItem(cells[static_cast<std::size_t>(col)]));
        paths << d.path;
    }
    m_pDeviceTable->resizeColumnsToContents();
    if (!devices.empty()) m_pDeviceTable->selectRow(0);
    m_pDeviceTable->setToolTip(devices.empty() ? Tr(kNoDevices) : QString());
    // The boxes offer the devices present, keeping whatever they hold now.
    for (QComboBox* box : {m_pCom1Box, m_pCom2Box}) {
        const QString current = box->currentText();
        box->clear();
        box->addItems(paths);
        box->setEditText(current);
    }
}

void CSerialDevicesDlg::UseSelectedDevice(QComboBox& box) {
    const QList<QTableWidgetItem*> selected = m_pDeviceTable->selectedItems();
    for (const QTableWidgetItem* item : selected) {
        if (item->column() != kColPath) continue;
        box.setEditText(item->text());
        return;
    }
}

void CSerialDevicesDlg::ShowRunNote() {
    const PortDevices inEffect = DevicesOf(m_port.PortMap());
    QStringList notes;
    if (inEffect.com1 != m_SavedAtOpen.com1)
        notes << Tr(kRunNote).arg(QStringLiteral("COM1"), inEffect.com1);
    if (inEffect.com2 != m_SavedAtOpen.com2)
        notes << Tr(kRunNote).arg(QStringLiteral("COM2"), inEffect.com2);
    m_pRunNote->setText(notes.join(QLatin1Char('\n')));
    m_pRunNote->setVisible(!notes.isEmpty());
}

bool CSerialDevicesDlg::CheckPath(QComboBox& box, const char* comName) {
    box.setEditText(box.currentText().trimmed());
    if (IsDevicePath(box.currentText())) return true;
    AppMessageBox(m_prompts, this, FormatText(CPortMap::DeviceNeededMessage(), comName).c_str());
    box.setFocus();
    return false;
}

void CSerialDevicesDlg::accept() {
    if (!CheckPath(*m_pCom1Box, CPortMap::kCom1) || !CheckPath(*m_pCom2Box, CPortMap::kCom2))
        return;
    const PortDevices chosen{m_pCom1Box->currentText(), m_pCom2Box->currentText()};
    if (const auto failure = SavePortDevices(chosen))
        AppMessageBox(m_prompts, this, failure->c_str());
    // A device set for this run only (command line, virtual radio) stays unless its box changed.
    CPortMap map = m_port.PortMap();
    if (chosen.com1 != m_SavedAtOpen.com1) map.SetDevice(CPortMap::kCom1, CorePath(chosen.com1));
    if (chosen.com2 != m_SavedAtOpen.com2) map.SetDevice(CPortMap::kCom2, CorePath(chosen.com2));
    m_port.SetPortMap(map);
    QDialog::accept();
}
