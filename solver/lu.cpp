#include "solver/lu.h"
