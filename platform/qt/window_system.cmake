# The windows that dialogs and boxes are shown over.
target_sources(kestravane_platform_qt PRIVATE window.cpp)
