#pragma once
// The program's one source of random numbers: uniform, and seedable so that
// tests can repeat a run.
#include <QtGlobal>

// A uniform random number from 0 to n - 1; 0 when n is 1 or less.
int RandomNumber(int n);
// Restarts the generator with a fixed seed (tests).
void SeedRandom(quint64 seed);
