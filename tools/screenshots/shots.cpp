#include "tools/screenshots/shots.h"

#include <QStringList>
#include <cmath>
#include <numbers>

namespace screenshots {

namespace {

// Strokes for the Jotter's drawings, in twips of its surface. Between strokes a swatch is
// clicked for the next colour: Label1(i) is colour i of the standard sixteen, Label11(i) its
// twin on the tall toolbar (10 light green, 11 light cyan, 12 light red, 13 light magenta,
// 14 yellow, 15 white).
QString point(double x, double y) {
    return QString("%1,%2").arg(std::lround(x)).arg(std::lround(y));
}

QString line(double x1, double y1, double x2, double y2) {
    return point(x1, y1) + '>' + point(x2, y2);
}

// A closed ring of short strokes, as a hand draws a circle.
QString ring(double cx, double cy, double r) {
    QStringList points;
    for (int i = 0; i <= 20; ++i) {
        const double a = 2 * std::numbers::pi * i / 20;
        points << point(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    return points.join('>');
}

// Lines pointing out from a centre, like a sun's rays.
QStringList rays(double cx, double cy, double from, double to, int count) {
    QStringList strokes;
    for (int i = 0; i < count; ++i) {
        const double a = 2 * std::numbers::pi * (i + 0.5) / count;
        strokes << line(cx + from * std::cos(a), cy + from * std::sin(a), cx + to * std::cos(a),
                        cy + to * std::sin(a));
    }
    return strokes;
}

// A flower head: petals round a middle.
QStringList flower(double cx, double cy, double petal) {
    QStringList strokes;
    for (int i = 0; i < 6; ++i) {
        const double a = 2 * std::numbers::pi * i / 6;
        strokes << ring(cx + 1.6 * petal * std::cos(a), cy + 1.6 * petal * std::sin(a), petal);
    }
    return strokes;
}

// A leaf growing from (x, y) to the right (dir 1) or the left (dir -1).
QString leaf(double x, double y, double dir, double size) {
    return QStringList{point(x, y), point(x + dir * 0.35 * size, y - 0.5 * size),
                       point(x + dir * size, y - 0.6 * size),
                       point(x + dir * 0.65 * size, y - 0.1 * size), point(x, y)}
        .join('>');
}

// What plants need, sketched across the wide Jotter: the sun, a rain cloud and a flower.
QString landscapeDrawing() {
    QStringList s;
    s << ring(1400, 1100, 450) << rays(1400, 1100, 600, 900, 8);  // the yellow pen it opens with
    s << "Label1(15)" << ring(7600, 800, 380) << ring(8200, 650, 450) << ring(8800, 850, 350);
    s << "Label1(11)";
    for (int i = 0; i < 5; ++i) s << line(7500 + 300 * i, 1500, 7400 + 300 * i, 1850);
    s << "Label1(10)" << line(300, 2700, 9600, 2700) << line(4700, 2700, 4700, 1300)
      << leaf(4700, 2300, 1, 600);
    s << "Label1(13)" << flower(4700, 1000, 150) << "Label1(14)" << ring(4700, 1000, 120);
    return s.join('/');
}

// A plant grown tall in its pot, down the narrow Jotter (flipped first).
QString portraitDrawing() {
    QStringList s{"Command3", "Label11(12)"};
    s << QStringList{point(600, 9900), point(2200, 9900), point(1900, 11300), point(900, 11300),
                     point(600, 9900)}
             .join('>');
    s << "Label11(10)";
    const auto stemX = [](int i) { return 1400 + 180 * std::sin(i * 0.9); };
    const auto stemY = [](int i) { return 9900 - 500 * i; };
    QStringList stem;
    for (int i = 0; i <= 14; ++i) stem << point(stemX(i), stemY(i));
    stem << point(1400, 2600);  // up to the flower
    s << stem.join('>');
    for (int i = 3; i <= 11; i += 2) s << leaf(stemX(i), stemY(i), i % 4 == 1 ? 1 : -1, 800);
    s << "Label11(13)" << flower(1400, 2000, 260) << "Label11(14)" << ring(1400, 2000, 200);
    return s.join('/');
}

}  // namespace

const std::vector<Shot>& shots() {
    // Seeds: magnets 4 draws magnets4.bmp (north facing north), magnets2 11 the sheet of
    // steel, circuits 10 aluminium, repro 82 "Plants make their own food in the flowers.",
    // scramble 8193 Life Processes and "Root" shuffled to "orto".
    static const std::vector<Shot> table = {
        {"Titlefrm", "Titlefrm"},
        // Without its picture the title screen plays the opening pictures, 40 a second: after
        // a second in all, the first is back, the pendulum at the end of its swing.
        {"Titlefrm-fallback", "Titlefrm/700ms", 1, "Images\\sunflowersm.jpg"},
        {"intro0", "intro0"},
        {"menu1", "menu1"},
        {"menu2", "menu2"},
        {"menu3", "menu3"},
        {"menu4", "menu4"},
        {"menu5", "menu5"},
        // A teacher's own topics, the first five of seven; the first greyed by a mistake in its
        // file, and the message its click shows.
        {"intro0-ours", "intro0", 1, {}, true},
        {"ouractivities", "ouractivities", 1, {}, true},
        {"topicproblem", "ouractivities/Label3(0)", 1, {}, true, "topicproblem"},
        {"boneslab", "boneslab"},
        // Every word dragged onto its own box, then Check Score.
        {"boneslab-solved", "boneslab/Label2>Label1/Label3(2)"},
        {"boneslab-read-aloud", "boneslab", 1, {}, false, {}, true},
        {"puberty", "puberty"},
        {"puberty-solved", "puberty/Label2>Label1/Label3(2)"},
        {"healthy", "healthy"},
        {"healthy-solved", "healthy/Label2>Label1/Label3(2)"},
        {"magnets", "magnets", 4},
        {"magnets-right", "magnets/Label4(1)", 4},
        {"magnets2", "magnets2", 11},
        {"magnets2-right", "magnets2/Label4(0)", 11},
        {"circuits", "circuits", 10},
        // 300 ms after the answer the right button is in its black phase.
        {"circuits-right", "circuits/Label4(1)/300ms", 10},
        {"repro", "repro", 82},
        // 300 ms after the answer the right button's text is in its white phase.
        {"repro-right", "repro/Label1(1)/300ms", 82},
        {"scramble", "scramble", 8193},
        // The first letter has landed, the second is on its way.
        {"scramble-flight", "scramble/Label3(2)/1700ms", 8193},
        {"scramble-answer", "scramble/Label3(2)/5000ms", 8193},
        {"notepad", "notepad"},
        {"notepad-drawing", "notepad/" + landscapeDrawing()},
        {"notepad-portrait", "notepad/" + portraitDrawing()},
        // The activities that come as files: each at its start, the drag kinds solved.
        {"file-animal-groups", "file:animal-groups.toml"},
        {"file-animal-groups-solved", "file:animal-groups.toml/Label2>Label1/Label3(2)"},
        {"file-changes", "file:changes.toml"},
        {"file-changes-solved", "file:changes.toml/Label2>Label1/Label3(2)"},
        {"file-circuit-symbols", "file:circuit-symbols.toml"},
        {"file-circuit-symbols-solved", "file:circuit-symbols.toml/Label2>Label1/Label3(2)"},
        {"file-day-and-night", "file:day-and-night.toml"},
        {"file-food", "file:food.toml"},
        {"file-food-solved", "file:food.toml/Label2>Label1/Label3(2)"},
        {"file-food-chains", "file:food-chains.toml"},
        {"file-food-chains-solved", "file:food-chains.toml/Label2>Label1/Label3(2)"},
        {"file-forces", "file:forces.toml"},
        {"file-movement", "file:movement.toml"},
        {"file-movement-solved", "file:movement.toml/Label2>Label1/Label3(2)"},
        {"file-newton-meter", "file:newton-meter.toml"},
        {"file-organs", "file:organs.toml"},
        {"file-organs-solved", "file:organs.toml/Label2>Label1/Label3(2)"},
        {"file-plant-groups", "file:plant-groups.toml"},
        {"file-plant-groups-solved", "file:plant-groups.toml/Label2>Label1/Label3(2)"},
        {"file-ray-diagrams", "file:ray-diagrams.toml"},
        {"file-ray-diagrams-solved", "file:ray-diagrams.toml/Label2>Label1/Label3(2)"},
        {"file-separation", "file:separation.toml"},
        {"file-solids-liquids-gases", "file:solids-liquids-gases.toml"},
        {"file-solids-liquids-gases-solved",
         "file:solids-liquids-gases.toml/Label2>Label1/Label3(2)"},
        {"file-sound", "file:sound.toml"},
        {"file-teeth", "file:teeth.toml"},
        {"file-teeth-solved", "file:teeth.toml/Label2>Label1/Label3(2)"},
        {"file-the-seasons", "file:the-seasons.toml"},
        {"file-the-seasons-solved", "file:the-seasons.toml/Label2>Label1/Label3(2)"},
        {"file-water-cycle", "file:water-cycle.toml"},
        {"file-water-cycle-solved", "file:water-cycle.toml/Label2>Label1/Label3(2)"},
        {"healthy-solvents", "healthy#2"},
    };
    return table;
}

// A true-or-false activity of one statement, in Our Activities.
static QByteArray trueFalse(const char* topic, const char* statement, const char* truth) {
    return QString(
               "topic = \"%1\"\nkind = \"truefalse\"\n[[statement]]\ntext = \"%2\"\ntrue = %3\n")
        .arg(topic, statement, truth)
        .toUtf8();
}

const std::vector<TeacherFile>& teacherFiles() {
    static const std::vector<TeacherFile> files = {
        // "no" is not true or false: the topic is grey.
        {"electricity.toml", trueFalse("Electricity at Home",
                                       "A plug socket is safe to touch with wet hands.", "\"no\"")},
        {"habitats.toml", R"(topic = "Habitats"
kind = "sorting"
columns = ["Pond", "Woodland"]
[[word]]
text = "Frog"
column = "Pond"
[[word]]
text = "Newt"
column = "Pond"
[[word]]
text = "Badger"
column = "Woodland"
[[word]]
text = "Owl"
column = "Woodland"
)"},
        {"life-cycles.toml",
         trueFalse("Life Cycles", "A caterpillar becomes a butterfly.", "true")},
        {"light.toml",
         trueFalse("Light and Shadows", "A shadow forms where light is blocked.", "true")},
        {"flower.toml",
         trueFalse("Parts of a Flower", "The petals are often brightly coloured.", "true")},
        {"rocks.toml",
         trueFalse("Rocks and Soils", "Soil is made partly of tiny pieces of rock.", "true")},
        {"moon.toml", trueFalse("The Moon", "The Moon makes its own light.", "false")},
    };
    return files;
}

}  // namespace screenshots
