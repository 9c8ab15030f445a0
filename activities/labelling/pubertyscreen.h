#pragma once
#include "activities/labelling/labellingscreen.h"
#include "ui/line.h"

// Puberty sorting: eight changes are sorted into a Girls column and a Boys column, and a
// change scores in any box of its own column.
class PubertyScreen : public LabellingScreen {
  public:
    static constexpr const char* Name = "puberty";
    PubertyScreen();

    ui::ControlArray<ui::Label> headings{*this, "Label7"};  // instruction and the two headings
    ui::ControlArray<ui::Line> columnLines{*this, "Line1"};

  protected:
    void loadScreen() override;
    QString spokenText() const override { return headings(0).Caption(); }
    int score() const override;
};
