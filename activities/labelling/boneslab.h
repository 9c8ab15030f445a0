#pragma once
#include "activities/labelling/labellingscreen.h"
#include "ui/line.h"
#include "ui/picturebox.h"

// Skeleton labelling: eight bone names are dragged into the boxes by their bones.
class boneslab : public LabellingScreen {
  public:
    static constexpr const char* Name = "boneslab";
    boneslab();

    ui::ControlArray<ui::PictureBox> Image1{*this, "Image1"};
    ui::ControlArray<ui::Line> Line1{*this, "Line1"};  // in front of the picture
    ui::Label Label7{*this, "Label7"};

  protected:
    void loadScreen() override;
};
