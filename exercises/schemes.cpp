#include "exercises/schemes.h"

bool DrawExampleScheme(int, const SchemeTarget&)
{
    return false;
}

bool DrawTaskScheme(int, int, const SchemeTarget&)
{
    return false;
}
