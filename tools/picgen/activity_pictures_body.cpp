// The human body labelling pictures: the organs in a child's body, the arm's bones and
// muscles, and the teeth. Labels go on both sides, so the drawing keeps to the middle and
// each part a pointer line ends on is drawn clearly and in its true place.
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "common.h"
#include "pictures.h"

namespace {

// Labelling pictures fill a picture area of about 470 by 370 pixels on the screen's blue.
constexpr int kWidth = 470, kHeight = 370;
const QColor kScreenBlue(9, 63, 137);
const QColor kSkin(238, 206, 178);
const QColor kSkinEdge(150, 110, 80);
const QColor kBone(244, 238, 220);
const QColor kBoneEdge(110, 96, 70);
const QColor kMuscle(196, 58, 58);
const QColor kMuscleEdge(110, 24, 24);
const QColor kTendon(236, 232, 214);

void fill(QPainter& p, const QPainterPath& shape, QColor colour, qreal edge = 1.2) {
    p.setPen(QPen(colour.darker(170), edge));
    p.setBrush(colour);
    p.drawPath(shape);
}

QPainterPath line(QPointF a, QPointF b) {
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

// ---- Organs: a child's head and body from the front ------------------------------------------

// Taller than the other pictures, so that the hips and the tops of the legs show below the
// bladder.
constexpr int kBodyHeight = 430;

QPainterPath bodyOutline() {
    QPainterPath body;
    body.addEllipse(QPointF(235, 55), 37, 43);
    QPainterPath torso;
    torso.moveTo(222, 90);
    torso.lineTo(222, 106);
    torso.cubicTo(200, 108, 172, 110, 168, 132);  // the right shoulder (on the left as we look)
    torso.cubicTo(166, 190, 172, 240, 176, 268);  // the waist
    torso.cubicTo(170, 300, 164, 340, 166, 376);  // the hip
    torso.cubicTo(168, 396, 172, 414, 174, kBodyHeight);  // the outside of the thigh
    torso.lineTo(229, kBodyHeight);
    torso.cubicTo(230, 414, 231, 400, 235, 392);  // between the legs
    torso.cubicTo(239, 400, 240, 414, 241, kBodyHeight);
    torso.lineTo(296, kBodyHeight);
    torso.cubicTo(298, 414, 302, 396, 304, 376);
    torso.cubicTo(306, 340, 300, 300, 294, 268);
    torso.cubicTo(298, 240, 304, 190, 302, 132);
    torso.cubicTo(298, 110, 270, 108, 248, 106);
    torso.lineTo(248, 90);
    torso.closeSubpath();
    body = body.united(torso);
    // The arms hang a little apart from the body, the hands beside the hips.
    QPainterPath arm;
    arm.moveTo(166, 122);
    arm.cubicTo(150, 130, 144, 170, 144, 230);
    arm.lineTo(140, 360);
    arm.cubicTo(136, 384, 142, 404, 150, 404);
    arm.cubicTo(158, 404, 160, 384, 156, 360);
    arm.cubicTo(158, 300, 162, 220, 166, 180);
    arm.closeSubpath();
    body = body.united(arm);
    body = body.united(QTransform(-1, 0, 0, 1, 470, 0).map(arm));
    return body.simplified();
}

void paintBrain(QPainter& p) {
    QPainterPath brain;
    brain.addEllipse(QPointF(235, 42), 29, 23);
    fill(p, brain, QColor(236, 168, 176));
    // Folds, so it reads as a brain and not a cap.
    p.setPen(QPen(QColor(170, 90, 104), 1.2));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        QPainterPath fold;
        const qreal y = 28 + i * 8;
        fold.moveTo(212, y);
        for (int k = 0; k < 6; ++k) fold.quadTo(216 + k * 8, y + (k % 2 ? -4 : 4), 220 + k * 8, y);
        p.drawPath(fold);
    }
    p.drawLine(QPointF(235, 20), QPointF(235, 64));
}

void paintChest(QPainter& p) {
    // The windpipe splits into the two lungs.
    p.setPen(QPen(QColor(200, 190, 180), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(235, 96), QPointF(235, 128));
    p.drawLine(QPointF(235, 128), QPointF(222, 140));
    p.drawLine(QPointF(235, 128), QPointF(248, 140));
    const QColor lungColour(232, 140, 150);
    QPainterPath right;  // the body's right lung, on the left as we look: the larger one
    right.moveTo(224, 126);
    right.cubicTo(200, 120, 180, 150, 180, 212);
    right.cubicTo(196, 218, 214, 216, 228, 212);
    right.cubicTo(230, 180, 230, 150, 224, 126);
    fill(p, right, lungColour);
    QPainterPath left;  // smaller, with a notch where the heart lies
    left.moveTo(246, 126);
    left.cubicTo(270, 120, 290, 150, 290, 212);
    left.cubicTo(280, 216, 270, 216, 262, 212);
    left.cubicTo(256, 196, 250, 176, 244, 166);
    left.cubicTo(244, 150, 244, 136, 246, 126);
    fill(p, left, lungColour);
    // The heart: about the size of a fist, between the lungs and a little to the body's left.
    QPainterPath heart;
    heart.moveTo(236, 168);
    heart.cubicTo(232, 158, 250, 156, 254, 166);
    heart.cubicTo(266, 164, 272, 178, 266, 192);
    heart.cubicTo(262, 202, 254, 210, 246, 214);
    heart.cubicTo(236, 204, 230, 190, 230, 180);
    heart.cubicTo(230, 174, 232, 170, 236, 168);
    fill(p, heart, QColor(200, 30, 40));
}

void paintAbdomen(QPainter& p) {
    // Kidneys lie at the back, either side of the spine, partly behind the liver and gut.
    const QColor kidney(120, 36, 56);
    for (const QPointF c : {QPointF(208, 270), QPointF(262, 266)}) {
        QPainterPath bean;
        bean.addEllipse(c, 11, 17);
        QPainterPath dent;
        dent.addEllipse(QPointF(c.x() + (c.x() < 235 ? 10 : -10), c.y()), 5, 6);
        fill(p, bean.subtracted(dent), kidney);
    }
    // The stomach, on the body's left under the ribs.
    QPainterPath stomach;
    stomach.moveTo(258, 214);
    stomach.cubicTo(284, 206, 298, 226, 292, 248);
    stomach.cubicTo(286, 268, 256, 272, 240, 262);
    stomach.cubicTo(236, 256, 240, 250, 246, 250);
    stomach.cubicTo(262, 252, 272, 244, 270, 232);
    stomach.cubicTo(268, 224, 262, 220, 258, 214);
    fill(p, stomach, QColor(236, 160, 110));
    // The liver, under the ribs on the body's right, reaching across over the stomach.
    QPainterPath liver;
    liver.moveTo(178, 222);
    liver.cubicTo(200, 212, 240, 212, 266, 220);
    liver.cubicTo(262, 232, 252, 240, 236, 244);
    liver.cubicTo(220, 250, 200, 258, 184, 262);
    liver.cubicTo(176, 250, 174, 234, 178, 222);
    fill(p, liver, QColor(140, 52, 40));
    // The large intestine frames the small one and ends low in the middle.
    QPainterPath colon(QPointF(188, 346));
    colon.lineTo(186, 296);
    colon.quadTo(186, 288, 194, 288);
    colon.lineTo(276, 288);
    colon.quadTo(284, 288, 284, 296);
    colon.lineTo(284, 334);
    colon.quadTo(284, 346, 262, 350);
    fill(p, thick(colon, 15), QColor(196, 146, 92));
    p.setPen(QPen(QColor(140, 96, 54), 1));
    for (int y = 300; y < 344; y += 9) {
        p.drawLine(QPointF(180, y), QPointF(193, y));
        p.drawLine(QPointF(277, y - 4), QPointF(291, y - 4));
    }
    for (int x = 200; x < 276; x += 10) p.drawLine(QPointF(x, 281), QPointF(x, 295));
    // The small intestine: a long tube folded many times.
    QPainterPath gut(QPointF(204, 304));
    for (int row = 0; row < 4; ++row) {
        const qreal y = 304 + row * 10;
        const bool rightward = row % 2 == 0;
        for (int k = 0; k < 6; ++k) {
            const qreal x0 = rightward ? 204 + k * 11 : 270 - k * 11;
            const qreal x1 = rightward ? x0 + 11 : x0 - 11;
            gut.quadTo((x0 + x1) / 2, y + (k % 2 ? -4 : 4), x1, y);
        }
        gut.quadTo(rightward ? 272 : 202, y + 5, rightward ? 270 : 204, y + 10);
    }
    fill(p, thick(gut, 8), QColor(240, 176, 164), 1);
    // The bladder, low in the middle, in front of the end of the gut.
    QPainterPath bladder;
    bladder.moveTo(222, 352);
    bladder.cubicTo(220, 340, 250, 340, 248, 352);
    bladder.cubicTo(248, 362, 240, 366, 235, 366);
    bladder.cubicTo(230, 366, 222, 362, 222, 352);
    fill(p, bladder, QColor(232, 214, 96));
}

QImage organs() {
    QImage image = canvas(kWidth, kBodyHeight, kScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fill(p, bodyOutline(), kSkin, 1.5);
    paintBrain(p);
    paintChest(p);
    paintAbdomen(p);
    return image;
}

// ---- Movement: an arm bent at the elbow, seen from the side ---------------------------------

constexpr QPointF kShoulder(232, 70), kElbow(232, 226), kWrist(412, 226);

QImage arm() {
    QImage image = canvas(kWidth, kHeight, kScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-10, 30);  // leaves room for the labels above the hand and below the forearm
    // The skin of the arm, pale so the bones and muscles inside show.
    QPainterPath skin;
    skin.moveTo(188, 40);
    skin.cubicTo(220, 30, 270, 40, 292, 70);
    skin.cubicTo(306, 120, 300, 180, 284, 204);
    skin.lineTo(420, 202);
    skin.cubicTo(448, 198, 466, 212, 464, 230);
    skin.cubicTo(462, 250, 440, 256, 420, 252);
    skin.lineTo(232, 262);
    skin.cubicTo(206, 262, 192, 246, 190, 226);
    skin.cubicTo(186, 160, 180, 100, 188, 40);
    p.setPen(QPen(kSkinEdge, 1.5));
    p.setBrush(kSkin);
    p.drawPath(skin);
    // The shoulder blade the arm hangs from.
    QPainterPath blade;
    blade.moveTo(210, 48);
    blade.lineTo(246, 44);
    blade.lineTo(230, 20);
    blade.lineTo(196, 26);
    blade.closeSubpath();
    fill(p, blade, kBone);
    // Bones: the humerus above, the radius and ulna side by side below the elbow.
    fill(p, thick(line(kShoulder, kElbow - QPointF(0, 8)), 13), kBone);
    fill(p, thick(line(kShoulder - QPointF(0, 4), kShoulder + QPointF(0, 4)), 22),
         kBone);  // its rounded head
    fill(p, thick(line(kElbow - QPointF(6, 8), kElbow + QPointF(6, -8)), 18),
         kBone);                                                            // its wide lower end
    fill(p, thick(line(QPointF(238, 240), QPointF(412, 236)), 9), kBone);   // ulna
    fill(p, thick(line(QPointF(216, 238), QPointF(238, 240)), 12), kBone);  // its elbow point
    fill(p, thick(line(QPointF(246, 220), QPointF(412, 218)), 9), kBone);   // radius
    // The hand, closed.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(414, 206, 42, 42), 14, 14);
    fill(p, hand, kSkin);
    // The joints: a ball and socket at the shoulder, a hinge at the elbow.
    p.setPen(QPen(QColor(60, 140, 220), 2.5));
    p.setBrush(QColor(150, 200, 245, 150));
    p.drawEllipse(kShoulder, 14, 14);
    p.drawEllipse(kElbow + QPointF(0, 3), 14, 13);
    // The biceps, in front, contracted: short and fat, pulling the forearm up.
    QPainterPath biceps;
    biceps.moveTo(244, 84);
    biceps.cubicTo(290, 100, 296, 170, 262, 204);
    biceps.cubicTo(250, 190, 244, 140, 244, 84);
    fill(p, biceps, kMuscle);
    // The triceps, behind, relaxed: long and thin.
    QPainterPath triceps;
    triceps.moveTo(220, 80);
    triceps.cubicTo(204, 120, 202, 180, 214, 228);
    triceps.cubicTo(218, 180, 222, 130, 224, 80);
    fill(p, triceps, kMuscle);
    // Tendons tie each muscle to its bones.
    p.setPen(QPen(kTendon.darker(130), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(262, 204), QPointF(272, 218));
    p.drawLine(QPointF(244, 84), QPointF(240, 50));
    p.drawLine(QPointF(214, 228), QPointF(216, 236));
    p.setPen(QPen(kTendon, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(262, 204), QPointF(272, 218));
    p.drawLine(QPointF(244, 84), QPointF(240, 50));
    return image;
}

// ---- Teeth: a lower jaw from above, and one tooth cut in half --------------------------------

constexpr qreal kArchMid = 405;  // the jaw's midline; the front of the mouth is at the top
const QColor kEnamel(250, 250, 246);
const QColor kDentine(236, 214, 150);
const QColor kPulp(214, 82, 92);
const QColor kGum(232, 140, 150);

void paintJaw(QPainter& p) {
    // The gum of the lower jaw: a horseshoe.
    QPainterPath outer;
    outer.moveTo(kArchMid - 62, 222);
    outer.cubicTo(kArchMid - 64, 110, kArchMid - 44, 40, kArchMid, 40);
    outer.cubicTo(kArchMid + 44, 40, kArchMid + 64, 110, kArchMid + 62, 222);
    outer.lineTo(kArchMid + 32, 222);
    outer.cubicTo(kArchMid + 34, 130, kArchMid + 22, 72, kArchMid, 72);
    outer.cubicTo(kArchMid - 22, 72, kArchMid - 34, 130, kArchMid - 32, 222);
    outer.closeSubpath();
    fill(p, outer, kGum, 1.5);
    // Eight teeth a side from the middle: two incisors, a canine, two premolars, three molars.
    struct Tooth {
        qreal along, across;  // size along the arch and across it
        int kind;             // 0 incisor, 1 canine, 2 premolar, 3 molar
    };
    constexpr Tooth kTeeth[] = {{12, 9, 0},  {12, 9, 0},  {14, 13, 1}, {17, 17, 2},
                                {17, 17, 2}, {23, 22, 3}, {23, 22, 3}, {22, 21, 3}};
    QPainterPath mid(QPointF(kArchMid, 56));  // the middle of the gum, front to back
    mid.cubicTo(kArchMid + 30, 56, kArchMid + 48, 110, kArchMid + 47, 218);
    for (int side : {-1, 1}) {
        qreal s = 1;
        for (const Tooth& t : kTeeth) {
            const qreal at = mid.percentAtLength(s + t.along / 2);
            s += t.along + 1.5;
            QPointF c = mid.pointAtPercent(at);
            const qreal angle = mid.angleAtPercent(at);
            if (side < 0) c.setX(2 * kArchMid - c.x());
            p.save();
            p.translate(c);
            p.rotate(side > 0 ? -angle : angle);
            const QRectF r(-t.along / 2, -t.across / 2, t.along, t.across);
            p.setPen(QPen(QColor(120, 120, 110), 1.1));
            p.setBrush(kEnamel);
            p.drawRoundedRect(r, t.kind == 0 ? 2 : 5, t.kind == 0 ? 2 : 5);
            p.setPen(QPen(QColor(150, 150, 135), 1));
            if (t.kind == 0) {
                p.drawLine(QPointF(-t.along / 2 + 2, 0), QPointF(t.along / 2 - 2, 0));  // the edge
            } else if (t.kind == 1) {
                p.drawEllipse(QPointF(0, 0), 2, 2);  // its single point
            } else {
                p.drawLine(QPointF(-t.along / 2 + 3, 0), QPointF(t.along / 2 - 3, 0));  // cusps
                if (t.kind == 3)
                    p.drawLine(QPointF(0, -t.across / 2 + 3), QPointF(0, t.across / 2 - 3));
            }
            p.restore();
        }
    }
}

// One molar, cut down the middle: enamel over dentine, the pulp inside, roots in the gum.
constexpr qreal kToothMid = 166;
constexpr qreal kGumLine = 150;

void paintCutTooth(QPainter& p) {
    // The jaw bone the roots stand in, and the gum over it: a wedge either side of the
    // tooth's neck, behind the tooth, so that dentine and pulp run on unbroken.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 214, 186));
    p.drawRect(QRectF(kToothMid - 50, 196, 100, 150));
    QPainterPath gum;
    gum.moveTo(kToothMid - 50, 218);
    gum.lineTo(kToothMid - 50, 178);
    gum.cubicTo(kToothMid - 46, 156, kToothMid - 40, 146, kToothMid - 30, kGumLine);
    gum.lineTo(kToothMid + 30, kGumLine);
    gum.cubicTo(kToothMid + 40, 146, kToothMid + 46, 156, kToothMid + 50, 178);
    gum.lineTo(kToothMid + 50, 218);
    gum.cubicTo(kToothMid + 30, 208, kToothMid - 30, 208, kToothMid - 50, 218);
    gum.closeSubpath();
    fill(p, gum, kGum, 1.2);
    // The tooth: a wide crown with two roots.
    QPainterPath tooth;
    tooth.moveTo(kToothMid - 38, 70);
    tooth.cubicTo(kToothMid - 36, 50, kToothMid - 20, 44, kToothMid - 14, 54);
    tooth.cubicTo(kToothMid - 8, 62, kToothMid + 8, 62, kToothMid + 14, 54);
    tooth.cubicTo(kToothMid + 20, 44, kToothMid + 36, 50, kToothMid + 38, 70);
    tooth.cubicTo(kToothMid + 40, 110, kToothMid + 34, 140, kToothMid + 30, 170);
    tooth.cubicTo(kToothMid + 30, 240, kToothMid + 26, 300, kToothMid + 16, 326);
    tooth.cubicTo(kToothMid + 10, 330, kToothMid + 4, 300, kToothMid + 2, 250);
    tooth.cubicTo(kToothMid, 240, kToothMid - 2, 240, kToothMid - 2, 250);
    tooth.cubicTo(kToothMid - 4, 300, kToothMid - 10, 330, kToothMid - 16, 326);
    tooth.cubicTo(kToothMid - 26, 300, kToothMid - 30, 240, kToothMid - 30, 170);
    tooth.cubicTo(kToothMid - 34, 140, kToothMid - 40, 110, kToothMid - 38, 70);
    fill(p, tooth, kDentine, 1.2);
    // Enamel: the hard white layer over the crown only.
    QPainterPath crownCap;
    crownCap.addRect(QRectF(kToothMid - 50, 30, 100, kGumLine - 10 - 30));
    QPainterPath inner = QTransform()
                             .translate(kToothMid, 100)
                             .scale(0.8, 0.86)
                             .translate(-kToothMid, -100)
                             .map(tooth);
    fill(p, tooth.intersected(crownCap).subtracted(inner.translated(0, 6)), kEnamel, 1);
    // The pulp: a chamber in the crown that runs down each root.
    QPainterPath pulp;
    pulp.moveTo(kToothMid - 16, 100);
    pulp.cubicTo(kToothMid - 16, 86, kToothMid + 16, 86, kToothMid + 16, 100);
    pulp.cubicTo(kToothMid + 18, 170, kToothMid + 16, 260, kToothMid + 14, 306);
    pulp.lineTo(kToothMid + 10, 306);
    pulp.cubicTo(kToothMid + 8, 250, kToothMid + 6, 200, kToothMid, 180);
    pulp.cubicTo(kToothMid - 6, 200, kToothMid - 8, 250, kToothMid - 10, 306);
    pulp.lineTo(kToothMid - 14, 306);
    pulp.cubicTo(kToothMid - 16, 260, kToothMid - 18, 170, kToothMid - 16, 100);
    fill(p, pulp, kPulp, 1);
    // Brackets on the right show the crown (above the gum) and the root (below it).
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const auto bracket = [&](qreal top, qreal bottom) {
        const qreal x = kToothMid + 56, m = (top + bottom) / 2;
        QPainterPath b(QPointF(x - 6, top));
        b.lineTo(x, top);
        b.lineTo(x, m - 5);
        b.lineTo(x + 7, m);
        b.lineTo(x, m + 5);
        b.lineTo(x, bottom);
        b.lineTo(x - 6, bottom);
        p.drawPath(b);
    };
    bracket(50, kGumLine - 2);
    bracket(kGumLine + 2, 326);
}

QImage teeth() {
    QImage image = canvas(kWidth, kHeight, kScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintJaw(p);
    paintCutTooth(p);
    p.setPen(Qt::white);
    p.setFont(captionFont(kLabellingShown));
    // Each under its own drawing, the jaw's on two lines so that the two stand apart.
    p.drawText(QRectF(kArchMid - 64, 320, 128, 48), Qt::AlignCenter,
               inLanguage("Lower jaw\nfrom above", "Yr ên isaf\noddi uchod"));
    p.drawText(QRectF(kToothMid - 110, 344, 220, 24), Qt::AlignCenter,
               inLanguage("A tooth cut in half", "Dant wedi'i hollti"));
    return image;
}

}  // namespace

void writeBodyActivityPictures(const QDir& out) {
    saveImage(organs(), out, "Images/organs.jpg");
    saveImage(arm(), out, "Images/arm-muscles.jpg");
    saveImage(teeth(), out, "Images/teeth.jpg");
}
