#pragma once
// Random order for a word list ("Würfeln").
class tmoiel;

// As many times as the list has items: swap the items (row text and entry) at
// two positions drawn independently and uniformly from the whole list. Uses
// the program's random generator, so a seeded run repeats.
void Shuffle(tmoiel& list);
