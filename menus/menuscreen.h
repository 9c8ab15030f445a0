#pragma once
#include "menus/menutables.h"
#include "ui/commandbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"

// One menu design, filled from its table: a title, five topics, five tabs and an exit.
class MenuScreen : public ui::Form {
  public:
    explicit MenuScreen(int number);  // 1 to 5

    void Form_Load() override;
    void Label3_Click(int Index);
    void Label2_Click(int Index);
    void Command1_Click();
    void Label2_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Label1_MouseMove(int Button, int Shift, float X, float Y);
    void Label3_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void closeRequested() override { Command1_Click(); }

    int number() const { return number_; }

    ui::Label Label1{*this, "Label1"};
    ui::ControlArray<ui::Label> Label3{*this, "Label3"};
    ui::ControlArray<ui::Label> Label2{*this, "Label2"};
    ui::CommandButton Command1{*this, "Command1"};

  private:
    const menus::MenuTable& table() const { return menus::kMenus[number_ - 1]; }
    int number_;
};

class menu1 : public MenuScreen {
  public:
    static constexpr const char* Name = "menu1";
    menu1() : MenuScreen(1) {}
};
class menu2 : public MenuScreen {
  public:
    static constexpr const char* Name = "menu2";
    menu2() : MenuScreen(2) {}
};
class menu3 : public MenuScreen {
  public:
    static constexpr const char* Name = "menu3";
    menu3() : MenuScreen(3) {}
};
class menu4 : public MenuScreen {
  public:
    static constexpr const char* Name = "menu4";
    menu4() : MenuScreen(4) {}
};
class menu5 : public MenuScreen {
  public:
    static constexpr const char* Name = "menu5";
    menu5() : MenuScreen(5) {}
};
