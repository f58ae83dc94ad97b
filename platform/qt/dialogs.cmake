# The question and file dialogs, the keyboard's return after them, the
# screens, and the text of the main window's controls.
target_sources(kestravane_platform_qt PRIVATE
  keyboard_return.cpp
  dialog_items.cpp
  question_box.cpp
  file_dialog.cpp
  screen.cpp
)
