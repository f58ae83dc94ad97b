# Modal dialogs from layouts, and the message boxes.
target_sources(kestravane_platform_qt PRIVATE
  dialog_units.cpp
  icon_label.cpp
  dialog_label.cpp
  dialog_controls.cpp
  tab_stop_delegate.cpp
  layout_dialog.cpp
  keyboard_return.cpp
  dialog_runner.cpp
  dialog_items.cpp
  message_box.cpp
  screen.cpp
)
