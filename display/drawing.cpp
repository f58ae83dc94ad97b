#include "display/drawing.h"

#include "platform/resources.h"
#include "support/message_box.h"

int RectWidth(const Rect* rect) {
  if (!rect || rect->right <= rect->left) return 0;
  return rect->right - rect->left;
}

int RectHeight(const Rect* rect) {
  if (!rect || rect->bottom <= rect->top) return 0;
  return rect->bottom - rect->top;
}

void Draw3DFrame(platform::Surface* surface, const Rect& r) {
  platform::DrawLine(surface, r.right, r.top, r.left, r.top, ShadowColor);
  platform::DrawLine(surface, r.left, r.top, r.left, r.bottom, ShadowColor);
  platform::DrawLine(surface, r.left, r.bottom, r.right, r.bottom, LightColor);
  platform::DrawLine(surface, r.right, r.bottom, r.right, r.top, LightColor);
}

void DrawEtchedLine(platform::Surface* surface, const Rect& r) {
  platform::DrawLine(surface, r.left, r.top, r.right, r.top, ShadowColor);
  platform::DrawLine(surface, r.left, r.top + 1, r.right, r.top + 1, LightColor);
  platform::DrawLine(surface, r.right, r.top + 1, r.right, r.top - 1, LightColor);
}

int Draw_Icon(platform::Surface* surface, unsigned id, const Rect& rect) {
  int error = 0;
  const platform::Picture icon = platform::LoadIconResource(id, error);
  if (icon.IsNull()) return ErrorBox(60014, "Draw_Icon", id, error);
  platform::DrawPicture(surface, icon, rect.left, rect.top);
  return 1;
}

int DrawPicture(platform::Surface* surface, unsigned id, const Rect& rect) {
  int error = 0;
  const platform::Picture picture = platform::LoadBitmapResource(id, error);
  if (picture.IsNull()) return ErrorBox(60010, "DrawPicture", id, error);
  platform::DrawPicture(surface, picture, rect.left, rect.top);
  return 1;
}
