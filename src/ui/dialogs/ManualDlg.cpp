// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ManualDlg.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/Messages.h"
#include "model/PlanText.h"
#include "ui/common/Translate.h"

namespace {

constexpr int kWidthChars = 150;
constexpr int kHeightLines = 40;

// What the reader sees of a chapter, so the find box matches words, not Markdown marks.
QString ReadableText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(file.readAll()));
    return document.toPlainText();
}

QToolButton* MakeHistoryButton(const char* text, const char* name, QStyle::StandardPixmap icon,
                               QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setText(Tr(text));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setEnabled(false);
    return button;
}

}  // namespace

CManualDlg::CManualDlg(const QStringList& candidates, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("manualDlg"));
    setWindowTitle(Tr(msg::kManualTitle));
    // A window to read beside the main one, with a window's title bar buttons; closing the main
    // window still ends the program while it is open.
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    BuildWidgets();
    BuildShortcuts();
    LoadManual(candidates);
}

void CManualDlg::BuildWidgets() {
    m_pBack = MakeHistoryButton(msg::kManualBack, "backButton", QStyle::SP_ArrowBack, this);
    m_pForward =
        MakeHistoryButton(msg::kManualForward, "forwardButton", QStyle::SP_ArrowForward, this);
    m_pFind = new QLineEdit(this);
    m_pFind->setObjectName(QStringLiteral("findText"));
    m_pFind->setPlaceholderText(Tr(msg::kManualFindHint));
    m_pFind->setClearButtonEnabled(true);
    auto* findLabel = new QLabel(Tr(msg::kManualFind), this);
    findLabel->setBuddy(m_pFind);
    m_pFindNote = new QLabel(this);
    m_pFindNote->setObjectName(QStringLiteral("findNote"));

    m_pContents = new QListWidget(this);
    m_pContents->setObjectName(QStringLiteral("manualContents"));
    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->setObjectName(QStringLiteral("manualText"));
    m_pBrowser->setOpenExternalLinks(true);  // through QDesktopServices; chapters stay here

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_pBack);
    bar->addWidget(m_pForward);
    bar->addSpacing(fontMetrics().averageCharWidth() * 2);
    bar->addWidget(findLabel);
    bar->addWidget(m_pFind, 1);
    bar->addWidget(m_pFindNote);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_pContents);
    splitter->addWidget(m_pBrowser);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
    resize(fontMetrics().averageCharWidth() * kWidthChars,
           fontMetrics().lineSpacing() * kHeightLines);

    connect(m_pBack, &QToolButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(m_pForward, &QToolButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, m_pBack, &QWidget::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, m_pForward, &QWidget::setEnabled);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, &CManualDlg::ChapterShown);
    connect(m_pContents, &QListWidget::currentRowChanged, this, &CManualDlg::ShowChapter);
    connect(m_pFind, &QLineEdit::textChanged, this, &CManualDlg::ListMatchingChapters);
    connect(m_pFind, &QLineEdit::returnPressed, this, &CManualDlg::FindNext);
}

void CManualDlg::BuildShortcuts() {
    const auto bind = [this](QKeySequence::StandardKey key, auto action) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    bind(QKeySequence::Find, [this] {
        m_pFind->setFocus(Qt::ShortcutFocusReason);
        m_pFind->selectAll();
    });
    bind(QKeySequence::FindNext, [this] { FindNext(); });
    bind(QKeySequence::Back, [this] { m_pBrowser->backward(); });
    bind(QKeySequence::Forward, [this] { m_pBrowser->forward(); });
}

void CManualDlg::LoadManual(const QStringList& candidates) {
    m_strFolder = FindManualFolder(candidates);
    if (m_strFolder.isEmpty()) {
        const QString tried = candidates.join(QLatin1Char('\n'));
        m_pBrowser->setPlainText(QString::fromStdString(
            FormatText(TrFormat(msg::kManualMissing), tried.toUtf8().constData())));
        m_pFind->setEnabled(false);
        return;
    }
    m_chapters = ManualChapters(m_strFolder);
    for (const ManualChapter& chapter : m_chapters) {
        m_pContents->addItem(chapter.title);
        m_chapterTexts.push_back(ReadableText(QDir(m_strFolder).filePath(chapter.fileName)));
    }
    // Every title whole, the scroll bar beside them.
    m_pContents->setMinimumWidth(m_pContents->sizeHintForColumn(0) + 2 * m_pContents->frameWidth() +
                                 style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    m_pContents->setCurrentRow(0);
}

void CManualDlg::ShowManual() {
    show();
    raise();
    activateWindow();
}

void CManualDlg::ShowChapter(int row) {
    if (row < 0 || row >= static_cast<int>(m_chapters.size())) return;
    const QUrl source = QUrl::fromLocalFile(
        QDir(m_strFolder).filePath(m_chapters[static_cast<size_t>(row)].fileName));
    if (m_pBrowser->source().adjusted(QUrl::RemoveFragment) != source)
        m_pBrowser->setSource(source, QTextDocument::MarkdownResource);
}

// A link followed, Back or Forward: the list marks the chapter now shown.
void CManualDlg::ChapterShown(const QUrl& source) {
    const QString fileName = QFileInfo(source.toLocalFile()).fileName();
    for (int row = 0; row < static_cast<int>(m_chapters.size()); ++row) {
        if (m_chapters[static_cast<size_t>(row)].fileName != fileName) continue;
        const QSignalBlocker quiet(m_pContents);
        m_pContents->setCurrentRow(row);
    }
}

bool CManualDlg::ChapterHolds(int row, const QString& text) const {
    return m_chapterTexts[static_cast<size_t>(row)].contains(text, Qt::CaseInsensitive);
}

int CManualDlg::CurrentChapter() const {
    return std::max(m_pContents->currentRow(), 0);
}

void CManualDlg::ListMatchingChapters(const QString& text) {
    int shown = 0;
    for (int row = 0; row < m_pContents->count(); ++row) {
        const bool holds = text.isEmpty() || ChapterHolds(row, text);
        m_pContents->item(row)->setHidden(!holds);
        shown += holds ? 1 : 0;
    }
    m_pFindNote->setText(shown == 0 ? QString::fromStdString(FormatText(
                                          TrFormat(msg::kManualNoMatch), text.toUtf8().constData()))
                                    : QString());
}

// On from the cursor in this chapter, then from the top of each next chapter that holds the
// text, round to this chapter's top again.
void CManualDlg::FindNext() {
    const QString text = m_pFind->text();
    if (text.isEmpty() || m_chapters.empty() || m_pBrowser->find(text)) return;
    const int count = static_cast<int>(m_chapters.size());
    const int current = CurrentChapter();
    for (int step = 1; step <= count; ++step) {
        const int row = (current + step) % count;
        if (!ChapterHolds(row, text)) continue;
        m_pContents->setCurrentRow(row);
        m_pBrowser->moveCursor(QTextCursor::Start);
        if (m_pBrowser->find(text)) return;
    }
}
