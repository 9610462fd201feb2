// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

struct CKM42Doc;
class CFocusOutChecks;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class CUiPrompts;

// "Channel": edits one channel of the plan - RX and TX frequency, the squelch signalling of
// each direction and the radio-wide non-standard tones. Boxes are checked as they lose the
// focus; nothing reaches the document before "OK" or "clear". One object for the whole run:
// what the opening does not load (the list choices of the types not in use) carries over.
class CChannelDlg : public QDialog {
    Q_OBJECT
public:
    CChannelDlg(CKM42Doc& doc, CUiPrompts& prompts, QWidget* parent);

    // Loads channel m_nChannel and runs modally; Accepted after "OK" or "clear". A channel
    // outside the plan is not opened (Rejected).
    int DoModal();

    std::int32_t m_nChannel = 0;  // 1-based; set before each opening
    QString m_strRxFreq;
    QString m_strTxFreq;
    std::int32_t m_bRxInvert = 0;
    std::int32_t m_bTxInvert = 0;
    QString m_strRxNsc1;
    QString m_strRxNsc2;
    QString m_strTxNsc1;
    QString m_strTxNsc2;
    std::int32_t m_nRxType = -1;  // SquelchType of the checked button, -1 none
    std::int32_t m_nTxType = -1;
    QString m_strChannel;
    QString m_strBand;
    double m_dRxMHz = 0.0;  // last accepted by the RX and TX checks
    double m_dTxMHz = 0.0;
    double m_dNsc1 = 0.0;  // the two non-standard tones, Hz
    double m_dNsc2 = 0.0;
    std::int32_t m_nStep = 0;  // step code found by the latest RX or TX check
    std::int32_t m_nRxCtcssSel = 0;
    std::int32_t m_nTxCtcssSel = 0;
    std::int32_t m_nRxDcsSel = 0;
    std::int32_t m_nTxDcsSel = 0;

public slots:
    void accept() override;  // "OK" and Enter: check both boxes, then store
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;  // the close box is disabled
    // Enter right after a frequency typed into an empty channel checks it first, as leaving
    // the box would, so that "OK" is there to take it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The signalling controls of one direction.
    struct SignalControls {
        QButtonGroup* types = nullptr;
        std::array<QRadioButton*, 5> typeButtons{};  // by SquelchType
        QCheckBox* inverted = nullptr;
        QComboBox* ctcssList = nullptr;
        QComboBox* dcsList = nullptr;
        QLineEdit* nsc1Tone = nullptr;
        QLineEdit* nsc2Tone = nullptr;
    };

    void BuildForm();
    QWidget* BuildHalf(bool receive, QLineEdit*& freq, SignalControls& side);
    void SetTabOrder();
    void WatchBoxes();

    void OnInitDialog();
    void LoadChannel();
    void MembersToControls();
    void ControlsToMembers();

    bool RunRxCheck();
    bool RunTxCheck();
    bool RunToneCheck(QLineEdit* box, QString& member, int tone);
    void OnTypeClicked(bool receive, int type);
    void OnListActivated(QComboBox* list, std::int32_t& member, int index);
    // Whether OK may empty a channel in use.
    bool ConfirmClear();
    void OnClearClicked();
    void OnCancelClicked();

    void Refuse(QLineEdit* box, QString& member, const std::string& message, bool appBox);
    void NoteLostClick(Qt::FocusReason reason, bool refused);
    bool TakeLostClick(const QWidget* button);
    void EnableTypeButtons(const SignalControls& side, bool enabled);
    static void SetCompanions(const SignalControls& side, int type);
    static void EnableCompanion(const SignalControls& side, int type);
    static void DisableSignalling(const SignalControls& side);
    static void CheckType(const SignalControls& side, std::int32_t type);

    CKM42Doc& m_doc;
    CUiPrompts& m_prompts;
    CFocusOutChecks* m_pChecks = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPushButton* m_pClear = nullptr;
    QLineEdit* m_pRxFreq = nullptr;
    QLineEdit* m_pTxFreq = nullptr;
    SignalControls m_rx;
    SignalControls m_tx;
    QLabel* m_pChannel = nullptr;
    QLabel* m_pBand = nullptr;
    // The button whose mouse press took the focus from a box that was then refused: that
    // click is spent on the message, as it always was, and does not end the dialog.
    QWidget* m_pLostClick = nullptr;
};
