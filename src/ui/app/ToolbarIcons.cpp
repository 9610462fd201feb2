// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

// Every image is drawn on a 24 x 24 grid and rendered at the sizes toolbars and title bars
// ask for.
constexpr double kGrid = 24.0;
constexpr std::array kSizes = {16, 24, 32, 48};

const QColor kOutline(0x40, 0x40, 0x40);

using Drawing = std::function<void(QPainter&)>;

QIcon Render(const Drawing& draw) {
    QIcon icon;
    for (int size : kSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / kGrid, size / kGrid);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& fill, double pen = 1.0) {
    p.setPen(QPen(kOutline, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath RoundRect(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

void DrawNew(QPainter& p) {
    Fill(p, Polygon({{5, 2}, {15, 2}, {20, 7}, {20, 22}, {5, 22}}), Qt::white);
    Fill(p, Polygon({{15, 2}, {15, 7}, {20, 7}}), QColor(0xD0, 0xD4, 0xDA));
}

void DrawOpen(QPainter& p) {
    Fill(p, Polygon({{2, 5}, {9, 5}, {11, 7}, {19, 7}, {19, 20}, {2, 20}}),
         QColor(0xD9, 0xA4, 0x2E));
    Fill(p, Polygon({{6, 11}, {23, 11}, {19, 20}, {2, 20}}), QColor(0xF5, 0xD2, 0x7A));
}

void DrawSave(QPainter& p) {
    Fill(p, Polygon({{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}}), QColor(0x2F, 0x5F, 0xA8));
    Fill(p, RoundRect(7, 3, 10, 7, 0.5), QColor(0xC8, 0xCD, 0xD4));
    p.fillRect(QRectF(13, 4.5, 2, 4), kOutline);
    Fill(p, RoundRect(6, 13, 12, 8, 0.5), Qt::white);
}

void DrawRadio(QPainter& p, double x) {
    p.setPen(QPen(kOutline, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + 2, 7), QPointF(x + 2, 1.5));
    Fill(p, RoundRect(x, 6, 8, 16, 1.5), QColor(0x33, 0x33, 0x33));
    p.fillRect(QRectF(x + 1.5, 8, 5, 3.5), QColor(0x7F, 0xD3, 0x7F));
    p.setPen(QPen(QColor(0x99, 0x99, 0x99), 0.8));
    for (double y : {15.0, 17.0, 19.0}) p.drawLine(QPointF(x + 1.5, y), QPointF(x + 6.5, y));
}

void DrawArrow(QPainter& p, double from, double to, const QColor& color) {
    const double y = 14;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRect(QRectF(from, y - 1.6, to - from - 4, 3.2));
    p.drawPolygon(QPolygonF(QList<QPointF>{{to - 5, y - 5}, {to, y}, {to - 5, y + 5}}));
}

// Read: data leaves the radio towards the computer; Write: it goes into the radio.
void DrawRead(QPainter& p) {
    DrawRadio(p, 2);
    DrawArrow(p, 12, 23, QColor(0x2E, 0x9E, 0x3F));
}

void DrawWrite(QPainter& p) {
    DrawRadio(p, 14);
    DrawArrow(p, 1, 13, QColor(0xE0, 0x7B, 0x00));
}

void DrawOptions(QPainter& p) {
    QPainterPath gear;
    const QPointF centre(12, 12);
    constexpr int kTeeth = 8;
    for (int i = 0; i < 2 * kTeeth; ++i) {
        // Alternate tooth tips and gaps around the wheel.
        const double radius = i % 2 == 0 ? 10.5 : 8.0;
        for (double half : {-0.22, 0.22}) {
            const double angle = (i + 0.5 + half) * std::numbers::pi / kTeeth;
            const QPointF point =
                centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
            if (gear.elementCount() == 0)
                gear.moveTo(point);
            else
                gear.lineTo(point);
        }
    }
    gear.closeSubpath();
    gear.addEllipse(centre, 3.2, 3.2);
    gear.setFillRule(Qt::OddEvenFill);
    Fill(p, gear, QColor(0x6B, 0x7B, 0x8C));
}

void DrawPrint(QPainter& p) {
    Fill(p, RoundRect(6, 2.5, 12, 7, 0.5), Qt::white);
    Fill(p, RoundRect(2, 8.5, 20, 9.5, 2), QColor(0x8A, 0x8F, 0x96));
    p.fillRect(QRectF(17.5, 11, 2, 2), QColor(0x3C, 0xC8, 0x3C));
    Fill(p, Polygon({{6, 14.5}, {18, 14.5}, {18, 22}, {6, 22}}), Qt::white);
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.8));
    for (double y : {17.0, 19.5}) p.drawLine(QPointF(8, y), QPointF(16, y));
}

void DrawAbout(QPainter& p) {
    Fill(
        p,
        [] {
            QPainterPath circle;
            circle.addEllipse(QRectF(2, 2, 20, 20));
            return circle;
        }(),
        QColor(0x2F, 0x6F, 0xD0));
    QFont font;
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QIcon CommandIcon(ToolIcon kind) {
    switch (kind) {
        case ToolIcon::New:
            return Render(DrawNew);
        case ToolIcon::Open:
            return Render(DrawOpen);
        case ToolIcon::Save:
            return Render(DrawSave);
        case ToolIcon::Read:
            return Render(DrawRead);
        case ToolIcon::Write:
            return Render(DrawWrite);
        case ToolIcon::Options:
            return Render(DrawOptions);
        case ToolIcon::Print:
            return Render(DrawPrint);
        case ToolIcon::About:
            return Render(DrawAbout);
        case ToolIcon::None:
            break;
    }
    return {};
}
