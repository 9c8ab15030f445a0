#pragma once
// The looks of the materials, shared by the magnet-and-material pictures and the material
// strips of the circuit: each recognisable by its colour and texture.
#include <QColor>

class QPainter;
class QPainterPath;

enum class Surface {
    Aluminium,
    Iron,
    Gold,
    Copper,
    Brass,
    Graphite,
    Wood,
    Bamboo,
    Plastic,
    Glass,
    Rubber,
    PlainMetal,  // grey, unmarked: stands for several metals at once
    Mirror,
};

// Fills the shape with the material, seen from the front, grain running left to right.
void paintSurface(QPainter& p, const QPainterPath& shape, Surface surface);

// The colour the screens behind the question pictures are painted in.
constexpr QRgb kQuestionScreenBlue = qRgb(39, 63, 137);
