# The screens the windows are placed on.
target_sources(kestravane_platform_qt PRIVATE screen.cpp)
