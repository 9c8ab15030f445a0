#pragma once
// The eleven materials of the insulators and conductors screen, one line per material.
#include <cstdint>

namespace questions {

struct Material {
    const char* picture;
    const char* question;
    std::int16_t rightAnswer;  // 0 Insulator, 1 Conductor
};

constexpr Material kMaterials[11] = {
    {"Images\\aluminium.bmp", "Is aluminium an insulator or a conductor?", 1},
    {"Images\\iron.bmp", "Is iron an insulator or a conductor?", 1},
    {"Images\\gold.bmp", "Is gold an insulator or a conductor?", 1},
    {"Images\\copper.bmp", "Is copper an insulator or a conductor?", 1},
    {"Images\\brass.bmp", "Is brass an insulator or a conductor?", 1},
    {"Images\\graphite.bmp", "Is graphite an insulator or a conductor?", 1},
    {"Images\\wood.bmp", "Is wood an insulator or a conductor?", 0},
    {"Images\\bamboo.bmp", "Is bamboo an insulator or a conductor?", 0},
    {"Images\\plastic.bmp", "Is plastic an insulator or a conductor?", 0},
    {"Images\\glass.bmp", "Is glass an insulator or a conductor?", 0},
    {"Images\\rubber.bmp", "Is rubber an insulator or a conductor?", 0},
};

// The circuit waiting for its material, and the two outcomes.
constexpr const char* kCircuitOff = "Images\\circuitoff.bmp";
constexpr const char* kCircuitOn = "Images\\circuiton.bmp";  // a conductor: the bulb lights
constexpr const char* kCircuitNo = "Images\\circuitno.bmp";  // an insulator: no current

}  // namespace questions
