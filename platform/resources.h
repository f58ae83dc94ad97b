#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/result.h"

namespace kestravane::platform {

// The game's icons, bitmaps and sounds are built into the executable, each
// under its numeric resource ID, so a copied program needs no files beside it.

// A decoded icon or bitmap, ready to be drawn. Empty after a failed load.
class Picture {
 public:
  struct Data;

  Picture();
  explicit Picture(std::unique_ptr<Data> data);
  ~Picture();
  Picture(Picture&&) noexcept;
  Picture& operator=(Picture&&) noexcept;

  bool IsNull() const;
  int Width() const;
  int Height() const;

  // The decoded image, for the code that draws it (platform/qt/picture_data.h).
  const Data* data() const { return data_.get(); }

 private:
  std::unique_ptr<Data> data_;
};

enum class ResourceKind { Icon, Bitmap, Wave };

// The resource's complete file image (an icon file, a bitmap file or a wave
// file). ENOENT when there is no such resource. A bitmap with words comes in
// the player's language when the game has it in that language, else in
// English.
Result<std::vector<std::uint8_t>> ResourceBytes(ResourceKind kind, unsigned id);

// Icon or bitmap `id`, decoded. ENOENT when it is missing, EILSEQ when it
// cannot be decoded; the caller reports the failure in its own box.
Result<Picture> LoadIconResource(unsigned id);
Result<Picture> LoadBitmapResource(unsigned id);

// The icons and bitmaps a window draws again and again, each decoded once
// and kept as long as the store: a board draws up to 84 icons and a picture
// whenever it changes. A picture that cannot be loaded is tried again.
class PictureStore {
 public:
  Result<const Picture*> Icon(unsigned id) { return Find(ResourceKind::Icon, id); }
  Result<const Picture*> Bitmap(unsigned id) { return Find(ResourceKind::Bitmap, id); }

 private:
  Result<const Picture*> Find(ResourceKind kind, unsigned id);

  std::unordered_map<std::uint64_t, Picture> decoded_;
};

// The wave file image to hand to the sound player, or ENOENT.
Result<std::vector<std::uint8_t>> LoadWaveResource(unsigned id);

}  // namespace kestravane::platform
