#include "common/CommandIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace vlm {

namespace {

using Drawing = std::function<void(QPainter&)>;

// Every picture is drawn on a 16 by 16 grid, scaled to the size asked for.
const std::map<std::string, Drawing>& Drawings() {
    static const std::map<std::string, Drawing> drawings = {
        {"actPaste",
         [](QPainter& p) {
             p.drawRect(QRectF(2.5, 2.5, 11, 12));
             p.setBrush(p.pen().color());
             p.drawRect(QRectF(5.5, 1.5, 5, 3));
             p.setBrush(Qt::NoBrush);
             p.drawLine(QPointF(5, 8), QPointF(11, 8));
             p.drawLine(QPointF(5, 11), QPointF(11, 11));
         }},
        {"actCut",
         [](QPainter& p) {
             p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
             p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
             p.drawLine(QPointF(6, 10), QPointF(11.5, 1.5));
             p.drawLine(QPointF(10, 10), QPointF(4.5, 1.5));
         }},
        {"actCopy",
         [](QPainter& p) {
             p.drawRect(QRectF(1.5, 1.5, 8, 9));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(6.5, 5.5, 8, 9));
         }},
        {"actPagePreview",
         [](QPainter& p) {
             QPainterPath eye;
             eye.moveTo(1, 8);
             eye.quadTo(8, 0, 15, 8);
             eye.quadTo(8, 16, 1, 8);
             p.drawPath(eye);
             p.setBrush(p.pen().color());
             p.drawEllipse(QPointF(8, 8), 2.2, 2.2);
         }},
        {"actViewProjectPanel",
         [](QPainter& p) {
             p.drawRect(QRectF(1.5, 2.5, 13, 11));
             p.fillRect(QRectF(2, 3, 4, 10), p.pen().color());
         }},
        {"actGrid",
         [](QPainter& p) {
             for (double x : {1.5, 6.5, 11.5}) {
                 p.drawLine(QPointF(x + 1.5, 1), QPointF(x + 1.5, 15));
                 p.drawLine(QPointF(1, x + 1.5), QPointF(15, x + 1.5));
             }
         }},
        {"actSnapToGrid",
         [](QPainter& p) {
             for (int x = 2; x <= 14; x += 4)
                 for (int y = 2; y <= 14; y += 4)
                     p.drawPoint(QPointF(x, y));
             p.setBrush(p.pen().color());
             p.drawRect(QRectF(6, 6, 4, 4));
         }},
        {"actShowPopups",
         [](QPainter& p) {
             p.drawRect(QRectF(1.5, 5.5, 9, 8));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(5.5, 1.5, 9, 8));
             p.fillRect(QRectF(6, 2, 8, 2), p.pen().color());
         }},
        {"actShowFeedback",
         [](QPainter& p) {
             QPainterPath bubble;
             bubble.addRoundedRect(QRectF(1.5, 1.5, 13, 9), 2, 2);
             bubble.moveTo(4, 10.5);
             bubble.lineTo(3.5, 14.5);
             bubble.lineTo(8, 10.5);
             p.drawPath(bubble);
             p.drawLine(QPointF(4, 5), QPointF(12, 5));
             p.drawLine(QPointF(4, 7.5), QPointF(10, 7.5));
         }},
        {"actProperties",
         [](QPainter& p) {
             p.drawRect(QRectF(2.5, 1.5, 11, 13));
             for (double y : {4.5, 7.5, 10.5}) {
                 p.drawPoint(QPointF(5, y));
                 p.drawLine(QPointF(7, y), QPointF(11, y));
             }
         }},
        {"actEditStyle",
         [](QPainter& p) {
             p.drawRect(QRectF(1.5, 1.5, 9, 12));
             p.drawLine(QPointF(4, 4.5), QPointF(8, 4.5));
             p.drawLine(QPointF(4, 7.5), QPointF(8, 7.5));
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(11.5, 11.5), 3.5, 3.5);
             p.setBrush(p.pen().color());
             p.drawEllipse(QPointF(11.5, 11.5), 1.2, 1.2);
         }},
        {"actActions",
         [](QPainter& p) {
             p.setBrush(QColor(0xE8, 0xA3, 0x17));
             p.drawPolygon(
                 QPolygonF({QPointF(9.5, 1), QPointF(3, 9), QPointF(7.5, 9), QPointF(5.5, 15),
                            QPointF(13, 6.5), QPointF(8.5, 6.5), QPointF(10.5, 1)}));
         }},
    };
    return drawings;
}

QPixmap Draw(const Drawing& drawing, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    painter.setPen(QPen(QColor(0x30, 0x3A, 0x48), 1.0));
    drawing(painter);
    return pixmap;
}

} // namespace

QIcon DrawnCommandIcon(const std::string& command) {
    const auto it = Drawings().find(command);
    if (it == Drawings().end())
        return {};
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(Draw(it->second, size));
    return icon;
}

} // namespace vlm
