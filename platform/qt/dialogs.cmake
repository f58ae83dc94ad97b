# Modal dialogs from templates, the message boxes, question and file dialogs.
target_sources(kestravane_platform_qt PRIVATE
  dialog_template.cpp
  dialog_units.cpp
  dialog_controls.cpp
  tab_stop_delegate.cpp
  template_dialog.cpp
  dialog_runner.cpp
  dialog_items.cpp
  message_box.cpp
  question_box.cpp
  file_dialog.cpp
  screen.cpp
)
