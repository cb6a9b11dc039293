#include "exercises/spiel1/key_classes.h"

#include <Qt>

bool IsControlKey(int vk)
{
    return (vk >= 0 && vk <= 31) || (vk >= 33 && vk <= 40) || vk == Vk::Insert || vk == Vk::Delete;
}

int KeyOfChar(QChar ch)
{
    const char16_t c = ch.toUpper().unicode();
    if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u' ')
        return c;
    return Vk::OtherCharacter;
}

int VirtualKeyOfQtKey(int qtKey, QChar text)
{
    switch (qtKey) {
    case Qt::Key_Backspace: return Vk::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Vk::Enter;
    case Qt::Key_Shift: return Vk::Shift;
    case Qt::Key_Control: return Vk::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return Vk::Alt;
    case Qt::Key_Escape: return Vk::Escape;
    case Qt::Key_Space: return Vk::Space;
    case Qt::Key_PageUp: return Vk::PageUp;
    case Qt::Key_PageDown: return Vk::PageDown;
    case Qt::Key_End: return Vk::End;
    case Qt::Key_Home: return Vk::Home;
    case Qt::Key_Left: return Vk::Left;
    case Qt::Key_Up: return Vk::Up;
    case Qt::Key_Right: return Vk::Right;
    case Qt::Key_Down: return Vk::Down;
    case Qt::Key_Insert: return Vk::Insert;
    case Qt::Key_Delete: return Vk::Delete;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Pause: return 19;
    default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (!text.isNull() && text.unicode() >= 32)
        return KeyOfChar(text);
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    // Keys without a code of their own (Meta, media keys): a harmless
    // character-class code outside the ranges the rules look at.
    return 0xFF;
}
