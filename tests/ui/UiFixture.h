// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <memory>

#include "../support/TempDir.h"
#include "RecordingPrompts.h"
#include "model/BandTable.h"
#include "model/KM42Doc.h"
#include "ui/app/KM42App.h"
#include "ui/app/MainFrame.h"
#include "ui/common/MSFlexGrid.h"
#include "ui/view/KM42View.h"

// Each test runs the whole application in a folder of its own: "port.port" lives in the
// current directory, so the test changes into a fresh one and back afterwards.
class UiTest : public ::testing::Test {
protected:
    UiTest() : m_previousDir(std::filesystem::current_path()) {
        std::filesystem::current_path(m_dir.Path());
        // The user's settings (serial devices) stay out of the tests, and each test starts
        // with none: the core's and Qt's settings look in the test's folder alike.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(m_dir.Path().string()));
        ::setenv("XDG_CONFIG_HOME", m_dir.Path().c_str(), 1);
        // Backups of the reads and writes go to the test's folder too.
        ::setenv("XDG_DATA_HOME", m_dir.File("data").c_str(), 1);
        // And the transfer traces.
        ::setenv("XDG_STATE_HOME", m_dir.File("state").c_str(), 1);
    }
    ~UiTest() override {
        app.reset();
        std::filesystem::current_path(m_previousDir);
    }

    // Starts the application; by default with "port.port" choosing COM1, so that no start-up
    // message shows.
    void Start(const QString& planFile = {}) {
        if (m_writePortFile && !std::filesystem::exists("port.port"))
            WriteBytes("port.port", {1, 0, 0, 0});
        app = std::make_unique<CKM42App>(prompts);
        app->InitInstance(planFile);
    }
    void StartWithoutPortFile() {
        m_writePortFile = false;
        Start();
    }

    CMainFrame& Frame() { return app->MainFrame(); }
    CKM42View& View() { return Frame().GetActiveView(); }
    CKM42Doc& Doc() { return Frame().GetActiveDocument(); }
    // The title as the window system shows it (with "*" for unsaved changes).
    std::string ShownTitle() { return Frame().windowHandle()->title().toStdString(); }
    QAction* Action(CommandId id) { return Frame().Action(id); }
    std::string File(const std::string& name) const { return m_dir.File(name); }
    std::string BackupFolder() const { return m_dir.File("data/PRG-715/backups"); }
    QString QPath(const std::string& name) const { return QString::fromStdString(File(name)); }

    // New through the model dialog: picks the band's button and the channel count, then OK.
    void NewPlan(int band, bool sixteen) {
        prompts.ScriptDialog([band, sixteen](QDialog& dialog) {
            ClickRadio(dialog, band);
            SetChannelCount(dialog, sixteen);
            ClickOk(dialog);
        });
        Action(CommandId::FileNew)->trigger();
    }

    void OpenPlan(const std::string& path) {
        prompts.AnswerFileDialog(QString::fromStdString(path));
        Action(CommandId::FileOpen)->trigger();
    }

    static void ClickRadio(QDialog& dialog, int band) {
        auto* button = dialog.findChild<QRadioButton*>(QStringLiteral("band%1").arg(band));
        ASSERT_NE(button, nullptr);
        // On the indicator: the label area ends with its text.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    static QPushButton* ChannelButton(QDialog& dialog) {
        return dialog.findChild<QPushButton*>(QStringLiteral("channelButton"));
    }
    static void SetChannelCount(QDialog& dialog, bool sixteen) {
        QPushButton* button = ChannelButton(dialog);
        ASSERT_NE(button, nullptr);
        if (button->isChecked() != sixteen) QTest::mouseClick(button, Qt::LeftButton);
    }
    static void ClickOk(QDialog& dialog) {
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("okButton"));
        ASSERT_NE(ok, nullptr);
        QTest::mouseClick(ok, Qt::LeftButton);
    }

    RecordingPrompts prompts;
    std::unique_ptr<CKM42App> app;

private:
    TempDir m_dir;
    std::filesystem::path m_previousDir;
    bool m_writePortFile = true;
};

// A user's double-click on a cell: a click, then the second press that makes it a double one
// (QTest::mouseDClick alone leaves out the first click the item views look for).
inline void DoubleClickCell(CMSFlexGrid& grid, int row, int col) {
    const QPoint centre = grid.visualItemRect(grid.item(row, col)).center();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, centre);
}

// Cell text as a std::string, for readable comparisons.
inline std::string Cell(const CMSFlexGrid& grid, int row, int col) {
    return grid.GetTextMatrix(row, col).toStdString();
}
