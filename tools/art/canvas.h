#pragma once

#include <QImage>
#include <QPointF>
#include <initializer_list>

#include "palette.h"

namespace kestravane::art {

// Small pixel-exact drawing helpers for the 32 x 32 icons and the pictures.
// Everything is drawn without smoothing and only in palette colours, so the
// quantiser never has to invent a colour.

QColor ToQColor(Colour colour);

// A 32 x 32 icon canvas: clear where transparent is wanted, else black.
QImage BlankIcon(bool transparent);

void Plot(QImage& image, int x, int y, Colour colour);
void FillRect(QImage& image, int left, int top, int width, int height, Colour colour);

// Pixels whose centres lie within `radius` of (cx, cy); with `inner` > 0 only
// those at least `inner` away, which makes a ring.
void FillDisc(QImage& image, double cx, double cy, double radius, Colour colour,
              double inner = 0.0);

void FillPolygon(QImage& image, std::initializer_list<QPointF> points, Colour colour);

// A line that includes both end points.
void DrawLine(QImage& image, int x0, int y0, int x1, int y1, Colour colour);

// Paints every drawn pixel that touches a clear pixel or the edge (four
// neighbours) in `colour`: the dark rim that makes a shape stand out on any
// background.
void OutlineDrawn(QImage& image, Colour colour);

// Paints every clear pixel that touches a drawn one (eight neighbours) in
// `colour`: a rim outside the shape, which keeps thin strokes intact.
void OutlineAround(QImage& image, Colour colour);

bool IsClear(const QImage& image, int x, int y);

}  // namespace kestravane::art
