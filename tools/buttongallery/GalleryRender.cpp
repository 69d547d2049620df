#include "GalleryRender.h"

#include "ButtonPainter.h"
#include "isButton.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

// A small download arrow in the program's accent colours, for buttons shown without an icon
// file of their own.
QImage SampleIcon() {
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1D6CB0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x2E8BD8));
    QPainterPath arrow;
    arrow.moveTo(12, 4);
    arrow.lineTo(20, 4);
    arrow.lineTo(20, 15);
    arrow.lineTo(26, 15);
    arrow.lineTo(16, 25);
    arrow.lineTo(6, 15);
    arrow.lineTo(12, 15);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.setPen(QPen(QColor(0x1F3A5A), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(6, 28, 26, 28);
    return icon;
}

} // namespace

QImage RenderButton(const ButtonRequest& request) {
    isButton button; // never shown: it supplies the control's defaults
    button.SetStyle(request.style);
    button.SetNonThemeStyle(5);
    button.SetCaption(request.caption);
    button.SetCaptionAlign(request.captionAlign);
    button.SetIcon(request.icon);
    button.SetIconSize(request.iconSize);
    button.SetIconAlign(request.iconAlign);
    button.SetEnabled(request.state != ButtonDisabled);
    if (request.check) {
        button.SetButtonType(1);
        button.SetValue(true);
    }
    if (request.custom) {
        button.SetUseCustomColors(true);
        button.SetShowFocus(true);
        button.SetBackColor(request.back);
        button.SetHighlightColor(request.highlight);
        button.SetFontColor(request.font);
        button.SetFontHighlightColor(request.fontHighlight);
    }
    return PaintButton(request.size, button.Look(), request.state, request.focus,
                       SystemColorsFrom(QApplication::palette()), QApplication::style())
        .image;
}

QImage RenderGallery() {
    struct Column {
        const char* name;
        int state;
        bool focus;
    };
    const Column columns[] = {{"normal", 1, false},
                              {"hot", 2, false},
                              {"pressed", 3, false},
                              {"disabled", 4, false},
                              {"focused", 1, true}};
    const QSize cell(93, 37);
    const int gap = 10;
    const int labelWidth = 120;
    const int header = 28;
    const int rows = 2 * 11;
    QImage sheet(labelWidth + 5 * (cell.width() + gap) + gap, header + rows * (cell.height() + gap),
                 QImage::Format_ARGB32);
    sheet.fill(QColor(0xF4F7FB));
    QPainter p(&sheet);
    p.setPen(QColor(0x1E2A36));
    for (int c = 0; c < 5; ++c) {
        p.drawText(QRect(labelWidth + c * (cell.width() + gap), 0, cell.width(), header),
                   Qt::AlignCenter, QString::fromLatin1(columns[c].name));
    }
    const QImage icon = SampleIcon();
    for (int r = 0; r < rows; ++r) {
        const int style = r % 11;
        const bool custom = r >= 11;
        const int y = header + r * (cell.height() + gap);
        p.setPen(QColor(0x1E2A36));
        p.drawText(QRect(gap, y, labelWidth - gap, cell.height()), Qt::AlignVCenter,
                   QStringLiteral("Style %1%2").arg(style).arg(custom ? " custom" : ""));
        for (int c = 0; c < 5; ++c) {
            ButtonRequest request;
            request.style = style;
            request.state = columns[c].state;
            request.focus = columns[c].focus;
            request.caption = QStringLiteral("  Download");
            request.icon = icon;
            request.iconSize = 16;
            request.custom = custom;
            request.back = QColor(0xDCE6F2);
            request.highlight = QColor(0x6BB3EC);
            request.font = QColor(0x1E2A36);
            request.fontHighlight = QColor(0x1D6CB0);
            p.drawImage(labelWidth + c * (cell.width() + gap), y, RenderButton(request));
        }
    }
    return sheet;
}
