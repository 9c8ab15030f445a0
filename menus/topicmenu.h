#pragma once
#include "menus/menuslots.h"
#include "menus/menutables.h"
#include "ui/commandbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"

// One menu design, filled from its table: a title, five topics, five tabs and an exit.
class TopicMenu : public ui::Form {
  public:
    explicit TopicMenu(int number);  // 1 to 5

    void onLoad() override;
    void topicClicked(int index);
    void tabClicked(int index);
    void exitClicked();
    void pointerOverTab(int index, int button, int shift, float x, float y);
    void pointerOverTitle(int button, int shift, float x, float y);
    void pointerOverTopic(int index, int button, int shift, float x, float y);
    void onMouseMove(int button, int shift, float x, float y) override;
    void onCloseRequested() override { exitClicked(); }

    int number() const { return number_; }
    const menus::MenuSlots& slots() const { return slots_; }

    ui::Label title{*this, "Label1"};
    ui::ControlArray<ui::Label> topics{*this, "Label3"};
    ui::ControlArray<ui::Label> tabs{*this, "Label2"};
    ui::CommandButton exitButton{*this, "Command1"};

  private:
    const menus::MenuTable& table() const { return menus::kMenus[number_ - 1]; }
    int number_;
    menus::MenuSlots slots_;
};

class TopicMenu1 : public TopicMenu {
  public:
    static constexpr const char* Name = "menu1";
    TopicMenu1() : TopicMenu(1) {}
};
class TopicMenu2 : public TopicMenu {
  public:
    static constexpr const char* Name = "menu2";
    TopicMenu2() : TopicMenu(2) {}
};
class TopicMenu3 : public TopicMenu {
  public:
    static constexpr const char* Name = "menu3";
    TopicMenu3() : TopicMenu(3) {}
};
class TopicMenu4 : public TopicMenu {
  public:
    static constexpr const char* Name = "menu4";
    TopicMenu4() : TopicMenu(4) {}
};
class TopicMenu5 : public TopicMenu {
  public:
    static constexpr const char* Name = "menu5";
    TopicMenu5() : TopicMenu(5) {}
};
