# One copy per user, and sound.
target_sources(kestravane_platform_qt PRIVATE
  single_instance.cpp
  sound.cpp
)

# The sound player, loaded on the first sound (see sound_player.h). It is
# built beside the program, where the program looks for it first.
add_library(kestravane_sound SHARED sound_player.cpp wave_image.cpp)
target_include_directories(kestravane_sound PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kestravane_sound PUBLIC Qt6::Core Qt6::Multimedia)
set_target_properties(kestravane_sound PROPERTIES
  LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/app
  CXX_VISIBILITY_PRESET hidden)
target_compile_definitions(kestravane_platform_qt PRIVATE
  SOUND_PLAYER_NAME="$<TARGET_FILE_NAME:kestravane_sound>"
  SOUND_PLAYER_BUILT="$<TARGET_FILE:kestravane_sound>")
add_dependencies(kestravane_platform_qt kestravane_sound)
