#pragma once
#include "activities/labelling/labellingscreen.h"
#include "ui/line.h"

// Puberty sorting: eight changes are sorted into a Girls column and a Boys column, and a
// change scores in any box of its own column.
class puberty : public LabellingScreen {
  public:
    static constexpr const char* Name = "puberty";
    puberty();

    ui::ControlArray<ui::Label> Label7{*this, "Label7"};  // instruction and the two headings
    ui::ControlArray<ui::Line> Line1{*this, "Line1"};

  protected:
    void loadScreen() override;
    int score() const override;
};
