#pragma once
// The face of each look, drawn before the caption and the icon.

#include "ButtonLook.h"
#include "PixelCanvas.h"

class QStyle;

struct FaceContext {
    PixelCanvas& canvas;
    const ButtonLook& look;
    const SystemColors& sys;
    int state;
    bool hasFocus;
    int W;
    int H;

    QColor Face() const { return look.useCustomColors ? look.backColor : sys.buttonFace; }
    QColor Highlight() const { return look.useCustomColors ? look.highlightColor : sys.highlight; }
};

void DrawClassicFace(const FaceContext& f); // Styles 0 to 4
void DrawXpFace(const FaceContext& f);      // Style 5
void DrawRoundedFace(const FaceContext& f); // Style 7
void DrawRaisedFace(const FaceContext& f);  // Style 8
void DrawPillFace(const FaceContext& f);    // Style 9
void DrawSkinFace(const FaceContext& f);    // Style 10
// Style 6; false when there is no theme to draw with.
bool DrawThemedFace(const FaceContext& f, QImage& image, const QStyle* theme);
