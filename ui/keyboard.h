#pragma once
// Every screen from the keyboard, the same way on all of them: Tab and Shift+Tab go round the
// stops, Enter and Space click, the arrows move within a control array or option group,
// Escape does what the screen's Exit does, and a focus ring shows where the keys act once a
// key has been pressed in the window.
//
// A stop is an enabled, shown control that a click does something to; an option group is
// one stop, its chosen option. Stops with a tab index come first, by it; the others follow in
// reading order, by Top and then Left in twips on the form.
#include <QPointer>
#include <vector>

class QKeyEvent;

namespace ui {

class Control;
class Form;
class FocusRing;

// What a key asks for, whichever key it was.
enum class Key {
    Tab,       // Tab
    BackTab,   // Shift+Tab
    Next,      // Down or Right
    Previous,  // Up or Left
    Activate,  // Enter or Space
    Escape,
    PageUp,  // Page Up: a screen that shows a list by pages may take it
    PageDown,
};

class Keyboard {
  public:
    explicit Keyboard(Form& form);
    ~Keyboard();
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    // The stops, in the order Tab visits them.
    std::vector<Control*> stops() const;
    // The control that has the window's focus (kept while the window is inactive), or null.
    Control* focused() const;
    void focus(Control& c);
    // When the screen opens: the focus goes to the first stop, unless it is somewhere already.
    void focusFirstStop();

    // A key that reached the window or one of its controls.
    void keyPressed(const QKeyEvent& event);
    // Tab and Shift+Tab: the next stop or the one before, wrapping round; false with no stop.
    bool step(bool forward);
    // A pointer press on a control (null: on the window's background). The ring goes, as in
    // a browser, and a stop pressed on takes the focus.
    void pointerPressed(Control* on);
    // Whether the focus ring is shown: a key has been pressed since the last pointer press,
    // or a control was shown with it since (showRingOn).
    bool ringShown() const;
    // Focuses the control with the ring round it, as the keys would leave it: a word lifted
    // by a tap looks as one lifted by the keys.
    void showRingOn(Control& c);
    // Draws the ring again where the focus is (and round a lifted control, its shadow).
    void updateRing();

  private:
    void arrow(Control* from, bool forward);
    void keepFocusOnAStop();

    Form& form_;
    bool keysUsed_ = false;
    QPointer<FocusRing> ring_;
};

}  // namespace ui
