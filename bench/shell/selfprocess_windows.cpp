#include "selfprocess.h"

#include <process.h>
#include <stdlib.h>
#include <string>

bool runChild(const char* mode)
{
    char* program = nullptr;
    if (_get_pgmptr(&program) != 0 || program == nullptr)
        return false;
    // The arguments are joined into one command line: the path is quoted.
    const std::string quoted = '"' + std::string(program) + '"';
    const char* const argv[] = {quoted.c_str(), mode, nullptr};
    return _spawnv(_P_WAIT, program, argv) == 0;
}
