#include "ButtonFaces.h"
void DrawClassicFace(const FaceContext&) {}
void DrawRoundedFace(const FaceContext&) {}
void DrawRaisedFace(const FaceContext&) {}
void DrawPillFace(const FaceContext&) {}
void DrawSkinFace(const FaceContext&) {}
bool DrawThemedFace(const FaceContext&, QImage&, const QStyle*) {
    return false;
}
