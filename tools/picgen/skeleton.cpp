// The skeleton of the labelling screen, seen from the front, with each bone that is named
// there lying at the end of its pointer line.
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <map>
#include <optional>
#include <stdexcept>

#include "activities/files/activity.h"
#include "common.h"
#include "pictures.h"

namespace {

constexpr int kWidth = 177, kHeight = 560;  // 2655 by 8400 twips
constexpr qreal kMid = 100;                 // the body's midline

// The screen's own file places the picture and each bone's pointer line: the bone is drawn
// where its line ends, so that the two never disagree.
struct Placed {
    QPointF picture;                  // its top-left corner on the screen, in twips
    std::map<QString, QPointF> tips;  // by bone, in the picture's pixels
};
Placed placed;

void readPlaces(const QDir& out) {
    const auto read =
        activityfiles::readActivityFile(out.filePath("activities/skeleton.toml")).activity;
    const activityfiles::FixedPlace* picture =
        read && read->layout ? read->layout->place("picture") : nullptr;
    if (!picture) throw std::runtime_error("activities/skeleton.toml places no picture");
    placed.picture = picture->rect().topLeft();
    for (const activityfiles::LabelEntry& l : read->labels) {
        if (l.line.size() != 4) continue;
        // A line of the left column runs from its box to the bone; one of the right column
        // from the bone to its box.
        const bool left = l.line[0] < placed.picture.x();
        const QPointF end = left ? QPointF(l.line[2], l.line[3]) : QPointF(l.line[0], l.line[1]);
        placed.tips[l.word] = (end - placed.picture) / 15.0;
    }
}

// Where the pointer line of a bone ends, in the picture's pixels.
QPointF tip(const char* bone) {
    const auto found = placed.tips.find(QString::fromLatin1(bone));
    if (found == placed.tips.end())
        throw std::runtime_error(std::string("activities/skeleton.toml has no line to the ") +
                                 bone);
    return found->second;
}

// The screen's buttons start at Top 7920, which is this far down the picture.
qreal feetBottom() {
    return (7920 - placed.picture.y()) / 15 - 4;
}

const QColor kBackground(9, 63, 137);  // the screen's own colour, so the picture blends in
const QColor kBone(242, 236, 216);
const QColor kBoneBehind(196, 190, 172);  // bones seen through the rib cage
const QColor kOutline(92, 78, 52);
const QColor kHollow(40, 52, 78);  // eye sockets, nose, holes in the pelvis

// The other side of the body.
QPainterPath mirrored(const QPainterPath& path) {
    return QTransform(-1, 0, 0, 1, 2 * kMid, 0).map(path);
}

void fillBone(QPainter& p, const QPainterPath& shape, const QColor& colour = kBone) {
    p.setPen(QPen(kOutline, 1.1));
    p.setBrush(colour);
    p.drawPath(shape);
}

void bothSides(QPainter& p, const QPainterPath& left, const QColor& colour = kBone) {
    fillBone(p, left, colour);
    fillBone(p, mirrored(left), colour);
}

QPainterPath segment(QPointF a, QPointF b) {
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

// A long bone: a shaft with a knob at each end.
QPainterPath longBone(QPointF top, QPointF bottom, qreal shaft, qreal topKnob, qreal bottomKnob) {
    QPainterPath bone = thick(segment(top, bottom), shaft);
    bone = bone.united(ellipse(top, topKnob, topKnob * 0.8));
    bone = bone.united(ellipse(bottom, bottomKnob, bottomKnob * 0.7));
    return bone.simplified();
}

void paintSkull(QPainter& p) {
    // The cranium reaches the skull's pointer line.
    const QPointF skullTip = tip("Skull");
    const qreal rx = kMid - skullTip.x() + 3;
    QPainterPath skull = ellipse({kMid, 36}, rx, 25);
    QPainterPath face;
    face.moveTo(kMid - 17, 44);
    face.cubicTo(kMid - 17, 60, kMid - 10, 72, kMid, 73);
    face.cubicTo(kMid + 10, 72, kMid + 17, 60, kMid + 17, 44);
    face.closeSubpath();
    fillBone(p, skull.united(face).simplified());
    // Eye sockets, nose and teeth.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kHollow);
    p.drawEllipse(QPointF(kMid - 9, 41), 6, 5.5);
    p.drawEllipse(QPointF(kMid + 9, 41), 6, 5.5);
    QPainterPath nose;
    nose.moveTo(kMid, 47);
    nose.lineTo(kMid - 3.5, 55);
    nose.lineTo(kMid + 3.5, 55);
    nose.closeSubpath();
    p.drawPath(nose);
    p.setPen(QPen(kOutline, 0.9));
    p.drawLine(QPointF(kMid - 8, 62), QPointF(kMid + 8, 62));
    for (int i = -3; i <= 3; ++i)
        p.drawLine(QPointF(kMid + i * 2.3, 59.5), QPointF(kMid + i * 2.3, 64.5));
    // The jaw's outline.
    p.drawLine(QPointF(kMid - 16, 52), QPointF(kMid - 12, 58));
    p.drawLine(QPointF(kMid + 16, 52), QPointF(kMid + 12, 58));
}

// The shoulders: the collar bone's outer end, and the head of the upper arm bone below it.
constexpr qreal kShoulderSpan = 58;
const QPointF kShoulder(kMid - kShoulderSpan - 2, 108);

void paintSpine(QPainter& p) {
    struct Run {
        qreal top;
        int count;
        qreal step, width;
    };
    // Neck, chest and lower back: the lower the vertebra, the wider it is. A lower-back
    // vertebra is centred on the spine's pointer line.
    const qreal lowerBack = tip("Spine").y() - 4;
    const Run runs[] = {{72, 4, 8, 8}, {104, 9, (lowerBack - 104) / 9, 10}, {lowerBack, 6, 8, 16}};
    for (const Run& r : runs) {
        for (int i = 0; i < r.count; ++i) {
            QPainterPath v;
            v.addRoundedRect(
                QRectF(kMid - r.width / 2, r.top + i * r.step + 0.8, r.width, r.step - 1.6), 2, 2);
            fillBone(p, v);
        }
    }
}

void paintShoulderBlades(QPainter& p) {
    // Seen from the front, each blade shows between the ribs and the upper arm, below the
    // collar bone; the left one reaches the end of the shoulder blade's line.
    QPainterPath left;
    left.moveTo(kShoulder.x() + 5, 101);
    left.lineTo(kMid - 20, 101);
    left.lineTo(kMid - 30, 152);
    left.lineTo(kShoulder.x() + 3, kShoulder.y() + 5);
    left.closeSubpath();
    bothSides(p, left, kBoneBehind);
}

// The centre line of rib k of the left side, starting at the breastbone at height y.
QPainterPath ribCentre(int k, qreal y) {
    const qreal widths[] = {22, 28, 32, 34, 35, 35, 34, 32, 28, 23};
    const qreal w = widths[k];
    QPainterPath rib({kMid - 4, y});
    rib.cubicTo(kMid - w * 0.7, y - 3, kMid - w - 2, y + 4, kMid - w, y + 14);
    return rib;
}

// Where a rib's centre line crosses the vertical line at x.
std::optional<qreal> crossing(const QPainterPath& rib, qreal x) {
    for (int i = 1; i <= 200; ++i) {
        const QPointF a = rib.pointAtPercent((i - 1) / 200.0), b = rib.pointAtPercent(i / 200.0);
        if ((a.x() - x) * (b.x() - x) <= 0) return a.y();
    }
    return std::nullopt;
}

void paintRibCage(QPainter& p) {
    // Ten pairs of ribs, shifted so that one of them runs through the rib cage's line end
    // (on the right side, so the left side's mirror image is measured).
    constexpr qreal kTop = 106, kStep = 6.6;
    const QPointF ribTip = tip("Rib Cage");
    const qreal x = 2 * kMid - ribTip.x();
    qreal shift = kStep;
    for (int k = 0; k < 10; ++k)
        if (auto y = crossing(ribCentre(k, kTop + k * kStep), x);
            y && std::abs(ribTip.y() - *y) < std::abs(shift))
            shift = ribTip.y() - *y;
    for (int k = 0; k < 10; ++k) bothSides(p, thick(ribCentre(k, kTop + shift + k * kStep), 3.6));
    QPainterPath sternum;
    sternum.moveTo(kMid - 5, 104);
    sternum.lineTo(kMid + 5, 104);
    sternum.lineTo(kMid + 3.5, 162);
    sternum.lineTo(kMid, 168);
    sternum.lineTo(kMid - 3.5, 162);
    sternum.closeSubpath();
    fillBone(p, sternum);
}

void paintCollarBones(QPainter& p) {
    // Each runs from the top of the breastbone out to the shoulder, rising a little; the
    // right one passes under the end of the collar bone's line.
    const QPointF collar = tip("Collar Bone");
    const QPointF inner(kMid + 4, collar.y() + 6), outer(kMid + kShoulderSpan, collar.y() - 6);
    QPainterPath right(inner);
    right.quadTo(QPointF(collar.x(), collar.y() + 2), outer);
    QPainterPath bone = thick(right, 4.5).united(ellipse(outer, 5, 3)).simplified();
    bothSides(p, mirrored(bone));
}

void paintArms(QPainter& p) {
    // Hanging at the sides, ending above the thigh bone's line.
    const QPointF elbow(kShoulder.x() - 4, 192), wrist(kShoulder.x() - 8, 262);
    bothSides(p, longBone(kShoulder, elbow, 7, 6.5, 5));
    bothSides(p, thick(segment({elbow.x() - 3, elbow.y() + 4}, {wrist.x() - 3, wrist.y()}), 3.5));
    bothSides(p, thick(segment({elbow.x() + 3, elbow.y() + 4}, {wrist.x() + 3, wrist.y()}), 3.5));
    bothSides(p, ellipse({wrist.x(), wrist.y() + 6}, 5.5, 5));
    for (int i = 0; i < 4; ++i) {
        const qreal x = wrist.x() - 4.5 + i * 3;
        bothSides(p,
                  thick(segment({x, wrist.y() + 10}, {x - 0.8 * (1.5 - i), wrist.y() + 32}), 2.2));
    }
    bothSides(p,
              thick(segment({wrist.x() + 5, wrist.y() + 9}, {wrist.x() + 8, wrist.y() + 21}), 2.2));
}

void paintPelvis(QPainter& p) {
    // The hip bone's crest reaches the pelvis's pointer line.
    const QPointF crest = tip("Pelvis");
    QPainterPath right;
    right.moveTo(kMid + 7, 236);
    right.cubicTo(kMid + 12, 224, kMid + 22, 219, crest.x() + 1, crest.y() - 11);
    right.cubicTo(crest.x() + 7, crest.y() - 6, crest.x() + 4, crest.y() + 12, kMid + 23, 254);
    right.lineTo(kMid + 21, 268);
    right.cubicTo(kMid + 14, 274, kMid + 6, 273, kMid + 1.5, 270);
    right.lineTo(kMid + 1.5, 258);
    right.cubicTo(kMid + 9, 254, kMid + 10, 246, kMid + 7, 236);
    right.closeSubpath();
    QPainterPath hips = right.united(mirrored(right));
    QPainterPath sacrum;
    sacrum.moveTo(kMid - 9, 228);
    sacrum.lineTo(kMid + 9, 228);
    sacrum.lineTo(kMid + 3, 256);
    sacrum.lineTo(kMid - 3, 256);
    sacrum.closeSubpath();
    fillBone(p, hips.united(sacrum).simplified());
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kHollow);
    p.drawEllipse(QPointF(kMid + 11, 262), 4, 4.5);
    p.drawEllipse(QPointF(kMid - 11, 262), 4, 4.5);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(kMid - 9, 228), QPointF(kMid - 3, 256));
    p.drawLine(QPointF(kMid + 9, 228), QPointF(kMid + 3, 256));
}

void paintLegs(QPainter& p) {
    // The thigh bone passes under the end of its line, the knee cap sits at the end of its.
    const QPointF thigh = tip("Thigh Bone");
    const QPointF knee = tip("Knee cap");
    const QPointF kneeCap(knee.x() + 4, knee.y() - 2);
    const QPointF hip(kMid - 21, 258);
    const QPointF trochanter(hip.x() - 12, 266);
    const QPointF kneeTop(kneeCap.x(), kneeCap.y() - 8);
    // The shaft is aimed so that its middle passes 4 px inside the thigh line's end.
    const qreal t = (thigh.y() - trochanter.y()) / (kneeTop.y() - trochanter.y());
    const QPointF shaftTop((thigh.x() + 4 - t * kneeTop.x()) / (1 - t), trochanter.y());
    QPainterPath femur = longBone(shaftTop, kneeTop, 10, 6, 9);
    femur = femur.united(thick(segment(shaftTop, hip), 7)).united(ellipse(hip, 5.5, 5.5));
    bothSides(p, femur.simplified());

    // The feet end above the row of buttons that the picture reaches down behind.
    const QPointF ankle(kneeCap.x(), feetBottom() - 22);
    QPainterPath fibula =
        thick(segment({kneeCap.x() - 8, 440}, {kneeCap.x() - 7, ankle.y() - 2}), 3.5);
    bothSides(p, fibula);
    bothSides(p, longBone({kneeCap.x(), 439}, ankle, 8, 8, 5));
    bothSides(p, ellipse(kneeCap, 6.5, 7));

    // Feet, turned a little outwards, with their toes.
    QPainterPath foot;
    foot.moveTo(ankle.x() - 6, ankle.y() + 2);
    foot.lineTo(ankle.x() + 6, ankle.y() + 2);
    foot.lineTo(ankle.x() + 5, ankle.y() + 13);
    foot.lineTo(ankle.x() - 13, ankle.y() + 14);
    foot.closeSubpath();
    bothSides(p, foot);
    for (int i = 0; i < 5; ++i) {
        const qreal x = ankle.x() + 3.5 - i * 3.8;
        bothSides(p, thick(segment({x, ankle.y() + 13}, {x - 1.2, ankle.y() + 20}), 2.4));
    }
}

}  // namespace

void writeSkeleton(const QDir& out) {
    readPlaces(out);
    QImage image = canvas(kWidth, kHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintShoulderBlades(p);
    paintSpine(p);
    paintRibCage(p);
    paintCollarBones(p);
    paintArms(p);
    paintPelvis(p);
    paintLegs(p);
    paintSkull(p);
    p.end();
    saveImage(image, out, "Images/skeleton.jpg");
}
