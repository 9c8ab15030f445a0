#pragma once
// Lines a form draws on its own surface, kept on a backing image the size of the client
// area, so that the drawing survives the window being covered and repainted.
#include <QImage>
#include <QRectF>

#include "ui/colour.h"

class QPainter;

namespace ui {

class Form;

class Canvas {
  public:
    explicit Canvas(Form& form) : form_(form) {}

    // Fills the whole surface with the colour; the image is refitted to the client area.
    void clear(Colour back);
    // A straight line between two points in twips, `pixels` wide, with round ends and joins.
    void line(float x1, float y1, float x2, float y2, Colour colour, int pixels);
    // Draws the kept image; the form's painting calls this.
    void paint(QPainter& painter) const;

    // The colour kept at a point in twips (the background outside the image).
    Colour pixel(float x, float y) const;
    const QImage& image() const { return image_; }

  private:
    // A point in twips, in pixels of the window's surface at its scale.
    QPointF toPoint(float x, float y) const;
    // Grows the image to cover the client area, keeping what is drawn.
    void fit();

    Form& form_;
    QImage image_;
    Colour back_ = 0;
};

}  // namespace ui
