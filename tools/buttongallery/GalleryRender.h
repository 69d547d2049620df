#pragma once
// Pictures of buttons for the gallery tool: one button as asked, or a sheet of every look in
// every state.

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

struct ButtonRequest {
    int style = 5;
    int state = 1; // 1 normal, 2 hot, 3 pressed, 4 disabled
    bool focus = false;
    bool check = false;
    QSize size{93, 37};
    QString caption = QStringLiteral("isButton");
    int captionAlign = 0;
    QImage icon;
    int iconSize = 16;
    int iconAlign = 1;
    bool custom = false;
    QColor back, highlight, font, fontHighlight;
};

QImage RenderButton(const ButtonRequest& request);
QImage RenderGallery();
