#pragma once
#include <QDialog>

// "About PRG-715": the application icon, the version line and one line about the program.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};
