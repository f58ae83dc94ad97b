#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <optional>
#include <string>

// Points the user's configuration directory ($XDG_CONFIG_HOME) at `directory`
// while it lives, so that no test ever writes into the player's real one.
class ScopedConfigHome {
 public:
  explicit ScopedConfigHome(const std::string& directory) {
    if (const char* previous = std::getenv("XDG_CONFIG_HOME")) saved_ = previous;
    setenv("XDG_CONFIG_HOME", directory.c_str(), 1);
  }
  ~ScopedConfigHome() {
    if (saved_)
      setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
  }
  ScopedConfigHome(const ScopedConfigHome&) = delete;
  ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

 private:
  std::optional<std::string> saved_;
};
