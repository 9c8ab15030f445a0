// picgen: paints every picture the program shows and writes them below argv[1].
// Output is fully deterministic so regenerated files only change when the drawing does.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "common.h"
#include "pictures.h"

namespace {
// Add a new group of pictures here.
constexpr void (*kPictureGroups[])(const QDir&) = {
    writeShellPictures,
    writeButtons,
    writeOpeningSequence,
    writeSkeleton,
    writeMagnetPictures,
    writeCircuitPictures,
    writePlantPictures,
    writeBodyActivityPictures,
    writeNatureActivityPictures,
    writePhysicsActivityPictures,
    writeQuestionActivityPictures,
};
}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    // Nothing is shown on screen, so don't depend on a display being available.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // text rendering needs the font database
    const QDir out(QString::fromLocal8Bit(argv[1]));
    try {
        for (const char* language : {"", "cy"}) {
            setLanguage(QString::fromLatin1(language));
            for (int density : {1, 2}) {
                setDensity(density);
                for (auto writeGroup : kPictureGroups) writeGroup(out);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "picgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
