#pragma once
#include "menus/menuslots.h"
#include "menus/menutables.h"
#include "ui/commandbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"

// One menu design, filled from its table: a title, five topics, five tabs (a sixth for Our
// Activities when it has any) and an exit. Our Activities shows its topics five at a time.
class TopicMenu : public ui::Form {
  public:
    explicit TopicMenu(int number);  // 1 to 5, or menus::kOurActivities

    void onLoad() override;
    void topicClicked(int index);
    void tabClicked(int index);
    void exitClicked();
    void pageClicked(int index);  // 0: the five before, 1: the five after
    bool onKey(ui::Control* focused, ui::Key key) override;
    void pointerOverTab(int index, int button, int shift, float x, float y);
    void pointerOverTitle(int button, int shift, float x, float y);
    void pointerOverTopic(int index, int button, int shift, float x, float y);
    void onMouseMove(int button, int shift, float x, float y) override;
    void onCloseRequested() override { exitClicked(); }

    int number() const { return number_; }
    const menus::MenuSlots& slots() const { return page_.slots; }
    const menus::MenuPage& page() const { return page_; }
    int firstShown() const { return first_; }

    ui::Label title{*this, "Label1"};
    ui::ControlArray<ui::Label> topics{*this, "Label3"};
    ui::ControlArray<ui::Label> tabs{*this, "Label2"};
    ui::CommandButton exitButton{*this, "Command1"};
    ui::ControlArray<ui::Label> pageButtons{*this, "Label4"};  // "Previous five", "Next five"
    ui::Label greyHint{*this, "Label5"};  // under Our Activities' topics, when one is grey

  private:
    const menus::MenuTable& table() const { return menus::menuTable(number_); }
    void showPage(int first);
    int number_;
    int first_ = 0;
    menus::MenuPage page_;
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
class OurActivitiesMenu : public TopicMenu {
  public:
    static constexpr const char* Name = "ouractivities";
    OurActivitiesMenu() : TopicMenu(menus::kOurActivities) {}
};
