#pragma once

#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "platform/dialog.h"

// Dialog events that remember every command and end the dialog on the
// commands a test names, with the command's ID as the result.
class RecordingEvents : public platform::DialogEvents {
 public:
  explicit RecordingEvents(std::set<int> endingCommands = {})
      : ending_(std::move(endingCommands)) {}

  std::function<bool(platform::Window*)> onInitialise;
  std::function<void(platform::Window*, int, int)> onCommand;
  std::vector<std::pair<int, int>> commands;

  bool Initialise(platform::Window* dialog) override {
    return onInitialise ? onInitialise(dialog) : true;
  }

  void Command(platform::Window* dialog, int id, int notification) override {
    commands.emplace_back(id, notification);
    if (onCommand) onCommand(dialog, id, notification);
    if (ending_.contains(id) && notification == platform::NotifyClicked)
      platform::EndDialog(dialog, id);
  }

  bool Received(int id, int notification) const {
    for (const auto& command : commands) {
      if (command == std::pair(id, notification)) return true;
    }
    return false;
  }

 private:
  std::set<int> ending_;
};
