// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportPainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

#include "model/FileAccess.h"
#include "model/Messages.h"

namespace {

// A printer cannot print to the paper's edge; the sheet's origin is its printable area's
// corner. A quarter inch is what common office printers leave.
constexpr qreal kPrintableMarginInch = 0.25;
// First guess of the pixel size: fixed-pitch faces are about 0.6 em wide.
constexpr int kFontPixelGuess = kReportCharPitch * 5 / 3;
constexpr const char* kPdfCreator = "PRG-715";

QPageSize PageSizeOf(ReportPaper paper) {
    return QPageSize(paper == ReportPaper::Letter ? QPageSize::Letter : QPageSize::A4);
}

bool Fail(std::string* error, const QString& reason) {
    if (error != nullptr) *error = reason.toStdString();
    return false;
}

}  // namespace

QFont ReportFont(const QPaintDevice& device) {
    QFont font(QStringLiteral("monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(kFontPixelGuess);
    // Faces differ in width per pixel size; measure on the device and scale to the pitch.
    const qreal advance = QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char('0'));
    if (advance > 0.0) {
        const int pixels =
            static_cast<int>(std::floor(kFontPixelGuess * kReportCharPitch / advance));
        if (pixels > 0) font.setPixelSize(pixels);
    }
    return font;
}

bool PaintReport(const ReportDocument& report, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setFont(ReportFont(device));
    // Positions name the text's top-left corner; QPainter places the baseline.
    const qreal ascent = QFontMetricsF(painter.font(), &device).ascent();
    for (std::size_t p = 0; p < report.pages.size(); ++p) {
        if (p > 0) device.newPage();
        for (const PlacedText& placed : report.pages[p].texts) {
            painter.drawText(QPointF(placed.x, placed.y + ascent),
                             QString::fromStdString(placed.text));
        }
    }
    return painter.end();
}

bool PrintReport(const ReportDocument& report, QPrinter& printer) {
    printer.setDocName(QString::fromStdString(report.jobName));
    printer.setResolution(kReportResolution);
    return PaintReport(report, printer);
}

void SetUpReportPdf(QPdfWriter& writer, const ReportDocument& report, ReportPaper paper) {
    writer.setResolution(kReportResolution);
    const qreal margin = kPrintableMarginInch;
    writer.setPageLayout(QPageLayout(PageSizeOf(paper), QPageLayout::Portrait,
                                     QMarginsF(margin, margin, margin, margin), QPageLayout::Inch));
    writer.setTitle(QString::fromStdString(report.jobName));
    writer.setCreator(QString::fromLatin1(kPdfCreator));
}

bool WriteReportPdf(const ReportDocument& report, const std::string& path, std::string* error,
                    ReportPaper paper) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        SetUpReportPdf(writer, report, paper);
        if (!PaintReport(report, writer))
            return Fail(error, QString::fromLatin1(msg::kReportNotDrawn));
    }
    // Saved as plans and images are: all or nothing, links followed, read-only files refused.
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    if (const fileio::Refusal why =
            fileio::ReplaceFile(path, {data, static_cast<std::size_t>(bytes.size())}))
        return Fail(error, QString::fromStdString(*why));
    return true;
}
