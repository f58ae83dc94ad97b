# One copy per user, and sound.
target_sources(kestravane_platform_qt PRIVATE
  single_instance.cpp
  sound.cpp
  wave_image.cpp
)
