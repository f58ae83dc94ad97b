#include "support/pictures.h"

#include "platform/resources.h"
#include "support/message_box.h"

bool Draw_Icon(platform::Surface* surface, Icon id, const platform::Rect& rect) {
  int error = 0;
  const platform::Picture icon = platform::LoadIconResource(Id(id), error);
  if (icon.IsNull()) return ErrorBox(Text::IconFailed, "Draw_Icon", Id(id), error);
  platform::DrawPicture(surface, icon, rect.left, rect.top);
  return true;
}

bool DrawPicture(platform::Surface* surface, Bitmap id, const platform::Rect& rect) {
  int error = 0;
  const platform::Picture picture = platform::LoadBitmapResource(Id(id), error);
  if (picture.IsNull()) return ErrorBox(Text::BitmapFailed, "DrawPicture", Id(id), error);
  platform::DrawPicture(surface, picture, rect.left, rect.top);
  return true;
}

std::optional<platform::Rect> PicSize(Bitmap id) {
  int error = 0;
  const platform::Picture picture = platform::LoadBitmapResource(Id(id), error);
  if (picture.IsNull()) {
    ErrorBox(Text::BitmapFailed, "PicSize", Id(id), error);
    return std::nullopt;
  }
  return platform::Rect{0, 0, picture.Width(), picture.Height()};
}
