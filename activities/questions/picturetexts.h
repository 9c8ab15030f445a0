#pragma once
// What each question picture shows, in a few words, for pupils who use a screen reader.
#include <string_view>

namespace questions {

struct PictureText {
    const char* picture;
    const char* text;
};

constexpr PictureText kPictureTexts[] = {
    {"Images\\magnets1.bmp", "Two bar magnets end to end, a south pole facing a north pole"},
    {"Images\\magnets2.bmp", "Two bar magnets end to end, a north pole facing a south pole"},
    {"Images\\magnets3.bmp", "Two bar magnets end to end, a south pole facing a south pole"},
    {"Images\\magnets4.bmp", "Two bar magnets end to end, a north pole facing a north pole"},
    {"Images\\magnets5.bmp", "Two bar magnets side by side, like poles level with each other"},
    {"Images\\magnets6.bmp", "Two horseshoe magnets face to face, like poles facing"},
    {"Images\\magnets7.bmp", "Two bar magnets side by side, unlike poles level with each other"},
    {"Images\\magnets8.bmp", "Two horseshoe magnets face to face, unlike poles facing"},
    {"Images\\magmetal1.bmp", "A magnet beside a sheet of copper"},
    {"Images\\magmetal2.bmp", "A magnet beside a sheet of iron"},
    {"Images\\magmetal3.bmp", "A magnet beside a sheet of metal"},
    {"Images\\magmetal4.bmp", "A magnet beside a block of plastic"},
    {"Images\\magmetal5.bmp", "A magnet beside a glass mirror"},
    {"Images\\circuitoff.bmp", "A circuit of a battery, a bulb and a gap between two clips"},
    {"Images\\circuiton.bmp", "The circuit is complete: current flows and the bulb lights"},
    {"Images\\circuitno.bmp", "No current flows: the bulb stays dark"},
    {"Images\\aluminium.bmp", "A strip of aluminium across the gap"},
    {"Images\\iron.bmp", "A strip of iron across the gap"},
    {"Images\\gold.bmp", "A strip of gold across the gap"},
    {"Images\\copper.bmp", "A strip of copper across the gap"},
    {"Images\\brass.bmp", "A strip of brass across the gap"},
    {"Images\\graphite.bmp", "A strip of graphite across the gap"},
    {"Images\\wood.bmp", "A strip of wood across the gap"},
    {"Images\\bamboo.bmp", "A strip of bamboo across the gap"},
    {"Images\\plastic.bmp", "A strip of plastic across the gap"},
    {"Images\\glass.bmp", "A strip of glass across the gap"},
    {"Images\\rubber.bmp", "A strip of rubber across the gap"},
    {"Images\\flower.jpg", "A flower cut in half to show its parts"},
};

constexpr const char* pictureText(std::string_view picture) {
    for (const PictureText& p : kPictureTexts)
        if (picture == p.picture) return p.text;
    return "";
}

}  // namespace questions
