#pragma once
// LU factorisation with implicit row scaling (filled in by the solver work).
