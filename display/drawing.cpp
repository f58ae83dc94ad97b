#include "display/drawing.h"

#include "support/message_box.h"

namespace kestravane {

namespace {

// Draws a loaded picture, or names the routine and the resource in a box.
bool DrawLoaded(Surface& surface, const platform::Result<platform::Picture>& picture, const platform::Rect& rect,
                Text failure, const char* routine, unsigned id) {
  if (!picture) return ErrorBox(failure, routine, id, picture.error());
  DrawPicture(surface, *picture, rect.left, rect.top);
  return true;
}

}  // namespace

int RectWidth(const platform::Rect* rect) {
  if (!rect || rect->right <= rect->left) return 0;
  return rect->right - rect->left;
}

int RectHeight(const platform::Rect* rect) {
  if (!rect || rect->bottom <= rect->top) return 0;
  return rect->bottom - rect->top;
}

void Draw3DFrame(Surface& surface, const platform::Rect& r) {
  DrawLine(surface, r.right, r.top, r.left, r.top, ShadowColor);
  DrawLine(surface, r.left, r.top, r.left, r.bottom, ShadowColor);
  DrawLine(surface, r.left, r.bottom, r.right, r.bottom, LightColor);
  DrawLine(surface, r.right, r.bottom, r.right, r.top, LightColor);
}

void DrawEtchedLine(Surface& surface, const platform::Rect& r) {
  DrawLine(surface, r.left, r.top, r.right, r.top, ShadowColor);
  DrawLine(surface, r.left, r.top + 1, r.right, r.top + 1, LightColor);
  DrawLine(surface, r.right, r.top + 1, r.right, r.top - 1, LightColor);
}

bool Draw_Icon(Surface& surface, Icon id, const platform::Rect& rect) {
  return DrawLoaded(surface, platform::LoadIconResource(Id(id)), rect, Text::IconFailed, "Draw_Icon", Id(id));
}

bool DrawPicture(Surface& surface, Bitmap id, const platform::Rect& rect) {
  return DrawLoaded(surface, platform::LoadBitmapResource(Id(id)), rect, Text::BitmapFailed, "DrawPicture", Id(id));
}

}  // namespace kestravane
