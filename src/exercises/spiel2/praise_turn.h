#pragma once
// What follows a right choice in "Welches Wort stimmt?" with Motivation 0: a
// short "richtig", or after Motzahl right answers a praise text.
enum class RightFeedback { None, Richtig, Praise };

// Counts the right answer in motivationCount and tells what to show: nothing
// unless Motivation is 0 and the praise table has at least two entries;
// "richtig" while the count is below Motzahl; else praise, the count back to 0.
RightFeedback NextRightFeedback(int& motivationCount, int motivation, int motzahl, int praiseCount);
