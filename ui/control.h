#pragma once
// The base of every control: geometry in twips, visibility, enabled state, stacking and
// mouse events carrying the layout's arguments.
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace ui {

class Form;
class ControlWidget;

struct MouseArgs {
    int button = 0;  // 1 left, 2 right, 4 middle: held buttons for moves, the released one for up
    int shift = 0;   // 1 Shift, 2 Ctrl, 4 Alt
    float x = 0;     // twips, relative to the control
    float y = 0;
    float formX = 0;  // twips, relative to the form's client area: steady while the control moves
    float formY = 0;
    int pointer = 0;  // 0 the mouse (or pen); each touch point its own number from 1
    // A left press or a touch not yet moved past the platform's drag distance: released
    // now, it is a tap. False for events that come without a press (a drag in progress).
    bool tapping = false;
};

class Control {
  public:
    Control(Form& form, QString name, int index = -1, Control* container = nullptr);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    int index() const { return index_; }
    Form& form() const { return form_; }
    // The scale its window draws at.
    float scale() const;
    Control* container() const { return container_; }
    QWidget* widget() const { return widget_; }

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float v) { setGeometry(v, top_, width_, height_); }
    void setTop(float v) { setGeometry(left_, v, width_, height_); }
    void setWidth(float v) { setGeometry(left_, top_, v, height_); }
    void setHeight(float v) { setGeometry(left_, top_, width_, v); }
    void move(float left, float top) { setGeometry(left, top, width_, height_); }
    virtual void setGeometry(float left, float top, float width, float height);

    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool TabStop() const { return tabStop_; }
    void setTabStop(bool v) { tabStop_ = v; }
    // Where the control comes in the keyboard's order: controls with a tab index first, by
    // it, the others after them in reading order (ui/keyboard.h). -1: none given.
    int TabIndex() const { return tabIndex_; }
    void setTabIndex(int v) { tabIndex_ = v; }

    // Stacking among the controls of the same container.
    void bringToFront();
    void sendToBack();

    // A control that a drag may leave anywhere, or that is designed to overhang the client
    // area, does not make its window grow.
    void setMayOverhang(bool v) { mayOverhang_ = v; }
    bool mayOverhang() const { return mayOverhang_; }

    std::function<void()> Click;
    std::function<void(const MouseArgs&)> MouseDown;
    std::function<void(const MouseArgs&)> MouseMove;
    std::function<void(const MouseArgs&)> MouseUp;

    // Whether a handler listens to this control's events. A control array answers for its
    // members, whose events always pass through the array.
    bool listened() const {
        return listenedBy_ ? listenedBy_() : (Click || MouseDown || MouseMove || MouseUp);
    }
    void setListenedBy(std::function<bool()> answer) { listenedBy_ = std::move(answer); }
    // Whether a press does something (a click or a drag), as against a mere hover.
    bool clickable() const {
        return clickableBy_ ? clickableBy_() : (Click || MouseDown || MouseUp);
    }
    void setClickableBy(std::function<bool()> answer) { clickableBy_ = std::move(answer); }
    // Whether the pointer reaches the control at all (lines and frames let it through).
    virtual bool acceptsMouse() const { return true; }
    // Whether a click does anything here, so that the keyboard may click it too.
    virtual bool reactsToClick() const { return acceptsMouse() && clickable(); }
    // What a left-button click in the control's centre does (press, release and Click, with
    // the arguments the pointer would give); the keyboard's Enter and Space.
    void clickAtCentre();

    // Draws the control at another place while its Left and Top stay as they are (a word
    // carried by the keys over a box); showInPlace() puts the drawing back.
    void showAt(float left, float top);
    void showInPlace();
    bool isShownElsewhere() const { return shownAt_.has_value(); }
    // A control lifted to be carried (a word picked up): the focus ring casts a shadow.
    void setLifted(bool lifted);
    bool isLifted() const { return lifted_; }

    // Repaints the control; also called when the display scale changes.
    virtual void refresh();

    // What assistive technology is told besides the caption: a picture's short description,
    // or the name of a control that shows no caption (a picture button, a colour swatch).
    const QString& Description() const { return description_; }
    void setDescription(QString description);
    // The caption the control shows, if it has one.
    virtual QString shownCaption() const { return {}; }
    // Whether that caption shows whole, as the control draws it.
    virtual bool captionFits() const { return true; }
    // Tells assistive technology something that just happened here ("Skull, picked up"), as
    // a change of the description (Qt has no announcement event); kept until the focus
    // leaves the control.
    void announce(const QString& text);
    const QString& announcement() const { return announcement_; }
    void clearAnnouncement() { announcement_.clear(); }
    // Tells assistive technology that the caption or the value changed.
    void announceNameChange() const;

  protected:
    friend class ControlWidget;
    virtual void paint(QPainter& painter, const QRect& rect) const;
    // A user's click; check boxes and option buttons change their value first.
    virtual void userClick();
    // What run-time copies of a control array's first member take from it.
    void copyBaseDesign(const Control& from);
    void announceCheckedChange() const;

  private:
    bool announcing() const;
    void applyGeometry();

    Form& form_;
    QString name_;
    int index_;
    Control* container_;
    QPointer<QWidget> widget_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = true;
    int tabIndex_ = -1;
    std::optional<QPointF> shownAt_;
    bool mayOverhang_ = false;
    bool lifted_ = false;
    std::function<bool()> listenedBy_;
    std::function<bool()> clickableBy_;
    QString description_;
    QString announcement_;
};

// Binds a screen's handler to an event, so that wiring reads like the handler's name.
template <class S>
std::function<void()> bind(S* screen, void (S::*handler)()) {
    return [screen, handler] { (screen->*handler)(); };
}
template <class S>
std::function<void(int)> bind(S* screen, void (S::*handler)(int)) {
    return [screen, handler](int index) { (screen->*handler)(index); };
}
template <class S>
std::function<void(const MouseArgs&)> bind(S* screen, void (S::*handler)(int, int, float, float)) {
    return
        [screen, handler](const MouseArgs& a) { (screen->*handler)(a.button, a.shift, a.x, a.y); };
}
template <class S>
std::function<void(int, const MouseArgs&)> bind(S* screen,
                                                void (S::*handler)(int, int, int, float, float)) {
    return [screen, handler](int index, const MouseArgs& a) {
        (screen->*handler)(index, a.button, a.shift, a.x, a.y);
    };
}

}  // namespace ui
