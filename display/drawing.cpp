#include "display/drawing.h"

int RectWidth(const platform::Rect* rect) {
  if (!rect || rect->right <= rect->left) return 0;
  return rect->right - rect->left;
}

int RectHeight(const platform::Rect* rect) {
  if (!rect || rect->bottom <= rect->top) return 0;
  return rect->bottom - rect->top;
}

void Draw3DFrame(platform::Surface* surface, const platform::Rect& r) {
  platform::DrawLine(surface, r.right, r.top, r.left, r.top, ShadowColor);
  platform::DrawLine(surface, r.left, r.top, r.left, r.bottom, ShadowColor);
  platform::DrawLine(surface, r.left, r.bottom, r.right, r.bottom, LightColor);
  platform::DrawLine(surface, r.right, r.bottom, r.right, r.top, LightColor);
}

void DrawEtchedLine(platform::Surface* surface, const platform::Rect& r) {
  platform::DrawLine(surface, r.left, r.top, r.right, r.top, ShadowColor);
  platform::DrawLine(surface, r.left, r.top + 1, r.right, r.top + 1, LightColor);
  platform::DrawLine(surface, r.right, r.top + 1, r.right, r.top - 1, LightColor);
}
