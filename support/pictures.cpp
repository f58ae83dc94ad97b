#include "support/pictures.h"

#include "platform/resources.h"
#include "support/message_box.h"

namespace {

// Draws a loaded picture, or names the routine and the resource in a box.
bool DrawLoaded(platform::Surface* surface, const platform::Result<platform::Picture>& picture,
                const platform::Rect& rect, Text failure, const char* routine, unsigned id) {
  if (!picture) return ErrorBox(failure, routine, id, picture.error());
  platform::DrawPicture(surface, *picture, rect.left, rect.top);
  return true;
}

}  // namespace

bool Draw_Icon(platform::Surface* surface, Icon id, const platform::Rect& rect) {
  return DrawLoaded(surface, platform::LoadIconResource(Id(id)), rect, Text::IconFailed, "Draw_Icon", Id(id));
}

bool DrawPicture(platform::Surface* surface, Bitmap id, const platform::Rect& rect) {
  return DrawLoaded(surface, platform::LoadBitmapResource(Id(id)), rect, Text::BitmapFailed, "DrawPicture",
                    Id(id));
}

std::optional<platform::Rect> PicSize(Bitmap id) {
  const platform::Result<platform::Picture> picture = platform::LoadBitmapResource(Id(id));
  if (!picture) {
    ErrorBox(Text::BitmapFailed, "PicSize", Id(id), picture.error());
    return std::nullopt;
  }
  return platform::Rect{0, 0, picture->Width(), picture->Height()};
}
