#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

// The window icon: a sunflower head on a sky-blue rounded square, painted at size x size.
QImage brindlemarkIconImage(int size);

// The icon at the sizes window managers and task bars ask for.
QIcon brindlemarkIcon();

// The Activity Maker's icon: the program's, with a pencil across its lower corner.
QImage makerIconImage(int size);
QIcon makerIcon();

// The sunflower head alone, centred on the painter's origin, petal tips at `radius`.
// Seeds are left out when `detailed` is false, since they blur into mud at small sizes.
void paintSunflowerHead(QPainter& p, qreal radius, bool detailed);
