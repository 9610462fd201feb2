// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

// "About PRG-715": the application icon, the version line, one line about the program, its
// licence and the folder of the user manual.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};
