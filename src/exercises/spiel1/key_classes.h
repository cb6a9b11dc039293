#pragma once
// Key codes of the typing exercise. Keys are handled by their virtual key
// codes so that the rules read the same on every platform: control keys are
// the codes 0 to 31, 33 to 40, 45 and 46; every other code, the space bar
// included, is a character key.
#include <QChar>

namespace Vk {
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Alt = 18;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
// Character keys without a code of their own (punctuation, umlauts).
constexpr int OtherCharacter = 0xBA;
} // namespace Vk

bool IsControlKey(int vk);
inline bool IsCharacterKey(int vk) { return !IsControlKey(vk); }
// The key code that types ch: letters and digits by their upper-case code,
// the blank by the space bar, everything else as OtherCharacter.
int KeyOfChar(QChar ch);
// Qt's key number (Qt::Key) as a virtual key code.
int VirtualKeyOfQtKey(int qtKey, QChar text);
