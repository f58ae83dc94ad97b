#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

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
  // The colour at (x, y) as 0xAARRGGBB; alpha is 0 where an icon lets the
  // background through, and the whole value 0 outside the picture.
  std::uint32_t Pixel(int x, int y) const;

  // For the drawing code of the platform itself.
  const Data* data() const { return data_.get(); }

 private:
  std::unique_ptr<Data> data_;
};

enum class ResourceKind { Icon, Bitmap, Wave };

// The resource's complete file image (an icon file, a bitmap file or a wave
// file). Empty when there is no such resource; `error` then holds ENOENT.
std::vector<std::uint8_t> ResourceBytes(ResourceKind kind, unsigned id, int& error);

// Icon or bitmap `id`, decoded. A null picture when it is missing (ENOENT)
// or cannot be decoded (EILSEQ); the caller reports the failure in its own box.
Picture LoadIconResource(unsigned id, int& error);
Picture LoadBitmapResource(unsigned id, int& error);

// The wave file image to hand to the sound player, or empty with ENOENT.
std::vector<std::uint8_t> LoadWaveResource(unsigned id, int& error);

}  // namespace platform
