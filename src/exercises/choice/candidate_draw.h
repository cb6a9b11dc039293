#pragma once
// Which entries of the list the fields of a choice exercise offer. Each slot
// holds the index of an entry; the right entry (the current position) is
// always among the shown slots, the others are different entries of the same
// list, never the same index twice (two entries may still read alike).
#include <vector>

// The drawing rule for slot k: a uniform random value in 0 .. m-1, moved on
// by one (wrapping at m) for every earlier slot 0 .. k-1 that holds it, pass
// after pass, until a pass finds no earlier slot with that value.
int DrawSlotValue(const std::vector<int>& slots, int k, int m);

// Draws the slots for a task:
//   - listCount below shown: slots 0 .. permutationRange-1 get a random
//     permutation of 0 .. permutationRange-1 (indexes beyond the list give
//     empty fields);
//   - otherwise slots 0 .. shown-1 each get a different index of the list;
//     the slots above keep their values (their fields are hidden);
// then, when no shown slot holds right, a random shown slot gets it.
void DrawCandidates(std::vector<int>& slots, int shown, int listCount, int right, int permutationRange);

// The first shown slot that holds index, or -1.
int SlotOf(const std::vector<int>& slots, int shown, int index);
