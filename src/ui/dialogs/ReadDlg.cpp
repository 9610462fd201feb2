// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ReadDlg.h"

#include <QtGlobal>
#include <algorithm>

namespace {
constexpr CRadioExchangeDlg::Layout kReadLayout{
    QT_TRANSLATE_NOOP("msg", "Read from Radio"), "readDlg", 187, 49, 19, 7, 149, 8, 7, 23, 173, 14,
};
}  // namespace

CReadDlg::CReadDlg(CCommPort& port, ImageCopy& imageCopy, CUiPrompts& prompts, QWidget* parent)
    : CRadioExchangeDlg(port, imageCopy, prompts, kReadLayout, parent) {}

void CReadDlg::PrepareImage() {
    std::fill_n(m_ImageCopy.begin(), image::kBufferSize, std::uint8_t{0});
    m_ReadImage.fill(0);
}

void CReadDlg::AfterExchange() {
    // Every byte the radio sent, also from a read that broke off (the memory map shows them).
    // Bytes not received are still the zeros of the initialisation.
    m_ReadImage = m_Outcome.lastRead;
    std::copy_n(m_ReadImage.begin(), image::kBufferSize, m_ImageCopy.begin());
}
