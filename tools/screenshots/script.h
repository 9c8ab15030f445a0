#pragma once
// What a screenshot does to a screen before the picture is taken: steps in the order given,
// each driving the screen through its handlers and its timers, never through the wall
// clock, so that the same steps always give the same picture.
//
//   Label3(2)            click that control (a control without an index: "Command3")
//   Label2(0)>Label1(0)  drag the first control onto the second: press, centre it on the
//                        second's centre, release
//   Label2>Label1        the same for every member of the first array, onto its namesake
//   480,600>900,1200     press at the first point of the window's surface (twips), move with
//                        the left button held through the others, release
//   250ms                let that much time pass: the screen's timers tick as they would
#include <QString>

namespace ui {
class Form;
}

namespace screenshots {

// Starts counting afresh, for a new set of screens.
void resetTime();

// Lets time pass for every loaded screen: each running timer ticks whenever its interval
// has elapsed, counted in whole milliseconds from when it was last seen running.
void letTimePass(int ms);

// Runs one step on the form; false, with the reason in `error`, for a step it cannot take
// (an unknown or hidden control, a malformed step).
bool runStep(ui::Form& form, const QString& step, QString& error);

}  // namespace screenshots
