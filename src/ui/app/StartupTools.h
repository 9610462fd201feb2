// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCommandLineOption>
#include <optional>

class CKM42App;
class QCommandLineParser;

// Command-line tools for the project's scripts: a screenshot of the main window or of the user
// manual's (scripts/screenshot.sh) and a start-up report (scripts/measure-startup.sh). Each
// quits the program once done.
struct StartupOptions {
    QCommandLineOption screenshot;
    QCommandLineOption screenshotManual;
    QCommandLineOption startupReport;
};

StartupOptions AddStartupOptions(QCommandLineParser& parser);

// Runs the tool the command line asked for once the main window is on screen; the exit
// status when one ran, nullopt for a normal run.
std::optional<int> RunStartupTools(const QCommandLineParser& parser, const StartupOptions& options,
                                   CKM42App& app);
