#pragma once
// Input as a pupil makes it: mouse clicks go to the widget under the point of
// the window, keys to the widget that has the keyboard focus (or the window),
// so focus, event filters and key handling act as they do for a person.
#include "controls/tdrbutton.h"
#include "framework/exercise_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace pupil {

// The widget of window that a click at pos (window coordinates) reaches.
inline QWidget* WidgetAt(QWidget* window, QPoint pos)
{
    QWidget* target = window->childAt(pos);
    return target ? target : window;
}

inline void ClickAt(QWidget* window, QPoint pos, Qt::MouseButton button = Qt::LeftButton, bool twice = false)
{
    QPointer<QWidget> target = WidgetAt(window, pos);
    const QPoint local = target->mapFrom(window, pos);
    if (twice)
        QTest::mouseDClick(target, button, Qt::NoModifier, local);
    else
        QTest::mouseClick(target, button, Qt::NoModifier, local);
}

// A click in the middle of w, through the widget under that point of w's window.
inline void ClickOn(QWidget* w, bool twice = false)
{
    QWidget* window = w->window();
    ClickAt(window, w->mapTo(window, w->rect().center()), Qt::LeftButton, twice);
}

// The widget a key pressed now reaches.
inline QWidget* KeyTarget(QWidget* window)
{
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == window || window->isAncestorOf(focus)) ? focus : window;
}

inline void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(KeyTarget(window), key, modifiers);
}

inline void TypeChar(QWidget* window, char c)
{
    QTest::keyClick(KeyTarget(window), c);
}

// A click on the exercise window's drawn button with that number, which must
// be there and visible.
inline ::testing::AssertionResult ClickButton(const T_urahnlrb& window, int number)
{
    tdrbutton* b = window.ButtonHandleByNumber(number);
    if (!b)
        return ::testing::AssertionFailure() << "no button " << number;
    if (!b->isVisible())
        return ::testing::AssertionFailure() << "button " << number << " is hidden";
    ClickOn(b);
    return ::testing::AssertionSuccess();
}

} // namespace pupil
