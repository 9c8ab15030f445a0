#pragma once
#include "activities/labelling/labellingscreen.h"
#include "ui/line.h"
#include "ui/picturebox.h"

// Skeleton labelling: eight bone names are dragged into the boxes by their bones.
class SkeletonScreen : public LabellingScreen {
  public:
    static constexpr const char* Name = "boneslab";
    SkeletonScreen();

    ui::ControlArray<ui::PictureBox> skeletonPicture{*this, "Image1"};
    ui::ControlArray<ui::Line> pointerLines{*this, "Line1"};  // in front of the picture
    ui::Label instruction{*this, "Label7"};

  protected:
    void loadScreen() override;
    QString spokenText() const override { return instruction.Caption(); }
};
