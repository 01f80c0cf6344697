#include "selfprocess.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

bool runChild(const char* mode)
{
    char self[] = "/proc/self/exe";
    char* argv[] = {self, const_cast<char*>(mode), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, self, nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
