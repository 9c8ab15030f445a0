#pragma once

// One function per group of pictures; each writes its files below `out`.
class QDir;

void writeShellPictures(const QDir& out);
void writeButtons(const QDir& out);
void writeOpeningSequence(const QDir& out);
void writeSkeleton(const QDir& out);
void writeMagnetPictures(const QDir& out);
void writeCircuitPictures(const QDir& out);
void writePlantPictures(const QDir& out);
// Activity pictures are JPEGs: they decode several times faster than PNGs, which keeps
// opening an activity quick.
void writeBodyActivityPictures(const QDir& out);
void writeNatureActivityPictures(const QDir& out);
void writePhysicsActivityPictures(const QDir& out);
void writeQuestionActivityPictures(const QDir& out);
