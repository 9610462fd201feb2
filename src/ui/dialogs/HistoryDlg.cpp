// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/HistoryDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/common/FleetFiles.h"
#include "ui/common/Translate.h"
#include "ui/common/UiPrompts.h"

namespace {

constexpr int kMinimumWidthChars = 120;
constexpr int kMinimumRows = 16;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList RowTexts(const fleet::LogLine& line) {
    return {Text(line.time),
            Text(line.job),
            QString::number(line.number),
            Text(line.label),
            Text(line.model),
            Text(line.band),
            Text(fleet::ResultText(line)),
            Text(FormatText(TrFormat(msg::kSecondsFormat), line.seconds))};
}

QPushButton* MakeButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(Tr(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);  // Enter in the label box filters the list
    return button;
}

}  // namespace

CHistoryDlg::CHistoryDlg(CUiPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts) {
    setObjectName(QStringLiteral("historyDlg"));
    setWindowTitle(Tr(msg::kHistoryTitle));

    m_pLogText = new QLabel(this);
    m_pLogText->setObjectName(QStringLiteral("logText"));
    m_pLogText->setWordWrap(true);
    m_pLogText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pFilter = new QLineEdit(this);
    m_pFilter->setObjectName(QStringLiteral("labelFilter"));
    m_pFilter->setPlaceholderText(Tr(msg::kHistoryLabelHint));
    m_pFilter->setClearButtonEnabled(true);
    connect(m_pFilter, &QLineEdit::returnPressed, this, &CHistoryDlg::ApplyFilter);
    connect(m_pFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty()) ApplyFilter();  // cleared: every radio again
    });
    auto* filterLabel = new QLabel(Tr(msg::kHistoryLabelFilter), this);
    filterLabel->setBuddy(m_pFilter);

    m_pList = new QTreeWidget(this);
    m_pList->setObjectName(QStringLiteral("historyList"));
    m_pList->setAccessibleName(Tr(msg::kNameHistoryList));
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList titles;
    for (const char* title : msg::kHistoryColumns) titles << Tr(title);
    m_pList->setHeaderLabels(titles);
    m_pList->setMinimumWidth(fontMetrics().averageCharWidth() * kMinimumWidthChars);
    m_pList->setMinimumHeight(fontMetrics().lineSpacing() * kMinimumRows);
    connect(m_pList, &QTreeWidget::currentItemChanged, this, &CHistoryDlg::UpdateButtons);

    m_pOpenBefore = MakeButton(msg::kHistoryOpenBefore, "openBeforeButton", this);
    m_pOpenAfter = MakeButton(msg::kHistoryOpenAfter, "openAfterButton", this);
    m_pCompare = MakeButton(msg::kHistoryCompare, "compareButton", this);
    QPushButton* close = MakeButton(msg::kFleetClose, "closeButton", this);
    connect(m_pOpenBefore, &QPushButton::clicked, this,
            [this] { Choose(&fleet::LogLine::before); });
    connect(m_pOpenAfter, &QPushButton::clicked, this, [this] { Choose(&fleet::LogLine::after); });
    connect(m_pCompare, &QPushButton::clicked, this, [this] {
        // A copy: the list may be read afresh while the comparison shows.
        if (const fleet::LogLine* line = ChosenLine()) emit CompareRequested(fleet::LogLine(*line));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* filter = new QHBoxLayout;
    filter->addWidget(filterLabel);
    filter->addWidget(m_pFilter, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_pOpenBefore, m_pOpenAfter, m_pCompare})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pLogText);
    layout->addLayout(filter);
    layout->addWidget(m_pList, 1);
    layout->addLayout(buttons);
}

std::optional<std::string> CHistoryDlg::ChooseBackup(const std::string& logPath) {
    m_strLogPath = logPath;
    m_strChosen.clear();
    m_pFilter->clear();
    ApplyFilter();
    m_pList->setFocus();
    if (m_prompts.ExecDialog(*this) != QDialog::Accepted || m_strChosen.empty())
        return std::nullopt;
    return m_strChosen;
}

void CHistoryDlg::ApplyFilter() {
    m_strFilter = m_pFilter->text().trimmed().toStdString();
    m_History = fleet::ReadHistory(m_strLogPath, m_strFilter);
    MembersToControls();
}

void CHistoryDlg::MembersToControls() {
    const char* path = m_strLogPath.c_str();
    QString text = Text(m_History.lines.empty()
                            ? (m_strFilter.empty() ? FormatText(TrFormat(msg::kNoLogLines), path)
                                                   : FormatText(TrFormat(msg::kNoLogLinesOfLabel),
                                                                m_strFilter.c_str(), path))
                            : FormatText(TrFormat(msg::kHistoryLog), path));
    if (!m_History.failure.empty()) text += '\n' + Text(m_History.failure);
    if (m_History.linesLeftOut > 0)
        text +=
            '\n' + Text(FormatText(TrFormat(msg::kLogLinesLeftOut), path, m_History.linesLeftOut));
    m_pLogText->setText(text);

    m_pList->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(m_History.lines.size()));
    for (const fleet::LogLine& line : m_History.lines)
        rows << new QTreeWidgetItem(RowTexts(line));  // owned by the list once added
    m_pList->addTopLevelItems(rows);
    for (int c = 0; c < m_pList->columnCount(); ++c) m_pList->resizeColumnToContents(c);
    m_pList->setCurrentItem(rows.isEmpty() ? nullptr : rows.front());
    UpdateButtons();
}

const fleet::LogLine* CHistoryDlg::ChosenLine() const {
    const int row = m_pList->indexOfTopLevelItem(m_pList->currentItem());
    if (row < 0 || row >= static_cast<int>(m_History.lines.size())) return nullptr;
    return &m_History.lines[static_cast<std::size_t>(row)];
}

void CHistoryDlg::UpdateButtons() {
    const fleet::LogLine* line = ChosenLine();
    const bool before = line != nullptr && BackupIsThere(line->before);
    const bool after = line != nullptr && BackupIsThere(line->after);
    m_pOpenBefore->setEnabled(before);
    m_pOpenAfter->setEnabled(after);
    m_pCompare->setEnabled(before && after);
}

void CHistoryDlg::Choose(std::string fleet::LogLine::*backup) {
    const fleet::LogLine* line = ChosenLine();
    if (line == nullptr || (line->*backup).empty()) return;
    m_strChosen = line->*backup;
    accept();
}
