#pragma once

// The program's one pseudo-random generator. It starts from the same fixed seed at
// every program start and is never re-seeded, so a given sequence of uses gives the
// same numbers after every start.

// A number from 0 to range - 1 (0 when range is not positive).
int ProgramRandom(int range);

// Back to the start-up state, as a new program start would be.
void ResetProgramRandom();
