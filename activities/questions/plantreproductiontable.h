#pragma once
// The thirty statements about plant reproduction, one line each, with the right button:
// 0 TRUE, 1 FALSE. Statement 28 ends with a blank.
#include <cstdint>

namespace questions {

struct Statement {
    const char* text;
    std::int16_t rightAnswer;
};

constexpr Statement kStatements[30] = {
    {"Flowers have colour and smell to attract insects.", 0},
    {"Plants make their own food in the flowers.", 1},
    {"The female sex cell in a plant is pollen.", 1},
    {"The male sex cell in a plant is an egg.", 1},
    {"Fruits contain seeds.", 0},
    {"The stamen contains the eggs.", 1},
    {"The pollen grains are found in the stamen.", 0},
    {"Eggs are found in the carpel.", 0},
    {"Sepal protects the flowers when they are in buds.", 0},
    {"The stamen is made from two parts.", 0},
    {"The filament is found in the carpel and holds it upright.", 1},
    {"Stigma is sticky to catch pollen.", 0},
    {"The style is part of the stamen and holds the anther upright.", 1},
    {"Each ovule contains an egg cell.", 0},
    {"The ovary contains pollen.", 1},
    {"Plants can be pollinated by insects.", 0},
    {"Plants can be pollinated by the wind.", 0},
    {"Two pollen grains join together to make a seed.", 1},
    {"Seeds are made in the carpel, the female part of the flower.", 0},
    {"Pollination is the joining of the pollen and the egg.", 1},
    {"Fertilisation is how the pollen gets to the stigma.", 1},
    {"A seed grows from a fertilised ovule.", 0},
    {"The fruit is formed by the ovary.", 0},
    {"Seeds can be spread by wind, animals and explosions.", 0},
    {"Dandelion seeds are spread by insects.", 1},
    {"Sycamore seeds are spread by the wind.", 0},
    {"Pear seeds are spread by the wind.", 1},
    {"Apple seeds are spread by animals.", 0},
    {"Pea seeds are spread by explosion. ", 0},
    {"Bean seeds are spread by wind.", 1},
};

}  // namespace questions
