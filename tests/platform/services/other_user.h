#pragma once

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// Another local user, played by a child process that has become the user
// "nobody" and does one thing before it waits to be killed. Only root can
// switch users; Why() says what is missing when it cannot.
class OtherUser {
 public:
  static std::string Why() {
    if (geteuid() != 0) return "switching to another user needs root";
    if (!getpwnam("nobody")) return "there is no user nobody";
    return {};
  }

  // Runs `act` as nobody; it returns false when it could not do its part.
  // True once it has done it.
  template <typename Act>
  bool Start(Act act) {
    const passwd* nobody = getpwnam("nobody");
    if (!nobody) return false;
    int done[2];
    if (pipe(done) != 0) return false;
    child_ = fork();
    if (child_ == 0) {
      close(done[0]);
      const bool became = setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0 && setuid(nobody->pw_uid) == 0;
      const char ok = became && act() ? '1' : '0';
      (void)!write(done[1], &ok, 1);
      for (;;) pause();
    }
    close(done[1]);
    char ok = '0';
    const bool answered = child_ > 0 && read(done[0], &ok, 1) == 1;
    close(done[0]);
    return answered && ok == '1';
  }

  ~OtherUser() {
    if (child_ <= 0) return;
    kill(child_, SIGKILL);
    waitpid(child_, nullptr, 0);
  }

 private:
  pid_t child_ = -1;
};
