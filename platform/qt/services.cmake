# One copy per user, and sound.
target_sources(kestravane_platform_qt PRIVATE
  single_instance.cpp
  sound.cpp
)

# The sound player, loaded on the first sound (see sound_player.h). It is
# built beside the game, in app/, which every program of the build tree has
# on its library path (CMAKE_BUILD_RPATH, set at the top); an installed game
# finds it in its private library folder instead (its INSTALL_RPATH).
add_library(kestravane_sound MODULE sound_player.cpp wave_image.cpp)
target_include_directories(kestravane_sound PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kestravane_sound PUBLIC Qt6::Core Qt6::Multimedia)
# Debian's compilers link only the libraries a file calls into, and of the C
# library the player needs nothing but the weak __cxa_finalize that runs its
# destructors when it is unloaded: named on its own, libc stays one of the
# libraries it is linked against, as Debian requires of every library.
target_link_options(kestravane_sound PRIVATE LINKER:--push-state,--no-as-needed,-lc,--pop-state)
set_target_properties(kestravane_sound PROPERTIES
  LIBRARY_OUTPUT_DIRECTORY ${KESTRAVANE_SOUND_PLAYER_BUILT_DIR}
  CXX_VISIBILITY_PRESET hidden)
target_compile_definitions(kestravane_platform_qt PRIVATE
  SOUND_PLAYER_NAME="$<TARGET_FILE_NAME:kestravane_sound>")
add_dependencies(kestravane_platform_qt kestravane_sound)
