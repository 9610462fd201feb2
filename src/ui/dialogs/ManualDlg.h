// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QStringList>
#include <vector>

#include "ui/common/ManualFiles.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;
class QUrl;

// Help > "User Manual": the manual's chapters listed on the left, the chapter chosen on the
// right as Qt renders its Markdown. Links between chapters stay in the window (Back and Forward
// retrace them); other links go to the desktop's browser. The find box narrows the list to the
// chapters that hold its text, and Enter or F3 moves to the next place it is written, chapter
// after chapter. Without a manual the window names the folders it looked in.
class CManualDlg : public QDialog {
    Q_OBJECT
public:
    // `candidates`: the folders to look for the manual in, in order (ManualFolderCandidates()).
    CManualDlg(const QStringList& candidates, QWidget* parent);

    // Shows the window, or brings it to the front when it is open already.
    void ShowManual();

private:
    void BuildWidgets();
    void BuildShortcuts();
    void LoadManual(const QStringList& candidates);
    void ShowChapter(int row);
    void ChapterShown(const QUrl& source);
    void ListMatchingChapters(const QString& text);
    void FindNext();
    bool ChapterHolds(int row, const QString& text) const;
    int CurrentChapter() const;

    QString m_strFolder;
    std::vector<ManualChapter> m_chapters;
    std::vector<QString> m_chapterTexts;  // each chapter as read, for the find box
    QListWidget* m_pContents = nullptr;
    QTextBrowser* m_pBrowser = nullptr;
    QLineEdit* m_pFind = nullptr;
    QLabel* m_pFindNote = nullptr;
    QToolButton* m_pBack = nullptr;
    QToolButton* m_pForward = nullptr;
};
