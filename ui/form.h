#pragma once
// A screen: one top-level window with its controls, timers and handlers.
#include <QIcon>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "ui/colour.h"
#include "ui/keyboard.h"
#include "ui/pictures.h"
#include "ui/twips.h"

class QPainter;

namespace ui {

class Control;
class Timer;
class FormWindow;

enum class BorderStyle {
    FixedSingle,  // a title bar without buttons and a thin border
    FixedDialog,  // a dialog frame
    None,         // no border and no title bar
};

class Form {
  public:
    explicit Form(QString name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    QWidget* window() const;

    // Handlers a screen may give. onLoad runs when the form is first referred to.
    virtual void onLoad() {}
    // Each time the form is shown, the first time after onLoad.
    virtual void onShow() {}
    virtual void onMouseDown(int, int, float, float) {}
    virtual void onMouseMove(int, int, float, float) {}
    virtual void onMouseUp(int, int, float, float) {}
    // The same, told apart by pointer: 0 the mouse, each touch point its own number from 1
    // (with the left button). A screen that draws one stroke per finger takes these; by
    // default every pointer is the mouse.
    virtual void onPointerDown(int, int button, int shift, float x, float y) {
        onMouseDown(button, shift, x, y);
    }
    virtual void onPointerMove(int, int button, int shift, float x, float y) {
        onMouseMove(button, shift, x, y);
    }
    virtual void onPointerUp(int, int button, int shift, float x, float y) {
        onMouseUp(button, shift, x, y);
    }
    // A tap: a left press or a touch released before it moved past the platform's drag
    // distance, on `on` (null: the background), after that control's own release and click.
    virtual void onTap(Control*) {}
    // The window system asked to close the window: by default, what the screen's Exit does.
    virtual void onCloseRequested();
    // Drawing on the form's own surface, between its background and its controls.
    virtual void paintSurface(QPainter&) {}
    // Keys a screen takes before the ones every screen shares (ui/keyboard.h), with the
    // control that has the focus (or null); true when it took the key.
    virtual bool onKey(Control*, Key) { return false; }
    // Escape: what the screen's Exit does, as for the window system's close request.
    virtual void onEscape() { onCloseRequested(); }

    // Focus, keys and the focus ring of this window.
    Keyboard& keyboard() const { return *keyboard_; }

    // Window properties. Left, Top, Width and Height are the outer window, in twips.
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);
    Colour BackColor() const { return back_; }
    void setBackColor(Colour c);
    const Picture& picture() const { return picture_; }  // drawn at the top left
    void setPicture(const Picture& p);
    void setIcon(const Picture& p);
    void setBorderStyle(BorderStyle style);
    BorderStyle borderStyle() const { return border_; }
    // A topmost window stays above every other window, the program's own included.
    void setTopmost(bool topmost);
    bool isTopmost() const;
    // The window system chooses the window's place and the user may move it; Left and Top
    // then follow the window instead of placing it.
    void setPlacedBySystem(bool bySystem);
    // A backdrop: a window that stands above other programs' windows and below all the
    // program's own, and takes neither focus nor clicks. It keeps out of the task bar.
    void setStaysBehind(bool behind);
    bool staysBehind() const { return behind_; }
    // Raises the program's other windows above this backdrop, in the order they stand, if
    // any of them lies beneath it (always, where the display cannot tell).
    void keepBelowProgram();
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float v);
    void setTop(float v);
    void setWidth(float v);
    void setHeight(float v);
    void setClientSize(float width, float height);  // the outer size for this client area
    // The outer size, with the client area the layout assumes for it (less the design frame)
    // whatever frame the window system draws, so that a layout made for it fits exactly.
    void setDesignSize(float width, float height);
    float ScaleWidth() const;  // the client area, in twips
    float ScaleHeight() const;

    // The scale the window draws at: the screens' (Twips::scale) unless it has its own.
    float scale() const { return ownScale_ > 0 ? ownScale_ : Twips::scale(); }
    // Takes the outer size (as setDesignSize) at its own scale: the largest quarter step from
    // the screens' scale down to `lowest` at which the window fits the display's work area,
    // `lowest` where none does; and keeps the window inside that area.
    void setDesignSizeWithin(float width, float height, float lowest);

    // The frame the layout assumes for a border style, in twips.
    static float designFrameWidth(BorderStyle style);
    static float designFrameHeight(BorderStyle style);

    // Gives the window the registry's screen shortcuts (see FormRegistry::addShortcut); the
    // common setup does this for every full-size screen. Doing it again changes nothing.
    void takeScreenShortcuts();

    // Controls by name, for routines that dress any screen; array members are not listed.
    Control* findControl(const QString& name) const;
    const std::vector<Control*>& controls() const { return controls_; }
    void registerControl(Control& c);
    void unregisterControl(Control& c);
    const std::vector<Timer*>& timers() const { return timers_; }
    void registerTimer(Timer& t);
    void unregisterTimer(Timer& t);

    // Lifecycle, driven by the form registry.
    bool isUnloaded() const { return unloaded_; }
    void markUnloaded();
    void showWindow();
    void hideWindow();
    // Grows each time a form is shown, so the one shown last is known.
    unsigned long long shownOrder() const { return shownOrder_; }
    // Fits the window to its model after a change of size, place, scale or frame. Only a
    // change of the model places the window: a window manager that moves it is not fought.
    void applyWindowGeometry(bool place = true);

  private:
    // The window system's frame (left and right, top and bottom) once the window is shown.
    std::optional<QSize> knownFrame() const;

    QString name_;
    std::unique_ptr<FormWindow> window_;
    std::unique_ptr<Keyboard> keyboard_;  // after the window, so that it goes first
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    QString caption_;
    Colour back_ = colours::kButtonFace;
    Picture picture_;
    BorderStyle border_ = BorderStyle::FixedSingle;
    float left_ = 0, top_ = 0, width_ = 12000, height_ = 9000;
    float ownScale_ = 0;
    bool unloaded_ = false;
    bool behind_ = false;
    unsigned long long shownOrder_ = 0;
    // Sized by its client area (as designed) rather than by its outer size.
    bool sizedByClient_ = false;
    bool placedBySystem_ = false;
    bool hasShortcuts_ = false;
};

}  // namespace ui
