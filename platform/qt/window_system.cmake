# Windows, controls, menus, shortcuts, keys, drawing and the event loop.
target_sources(kestravane_platform_qt PRIVATE
  app_window.cpp
  application.cpp
  client_area.cpp
  controls.cpp
  cursor.cpp
  frame_widget.cpp
  menu.cpp
  menu_bar_style.cpp
  popup_menu.cpp
  shortcuts.cpp
  surface.cpp
  virtual_keys.cpp
  window.cpp
)
