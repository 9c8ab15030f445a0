#pragma once
// A control array: like controls sharing one name and one set of handlers, which receive
// the member's index. Members loaded at run time copy the first member and start hidden.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

template <class T>
class ControlArray {
  public:
    ControlArray(Form& form, QString name, Control* container = nullptr)
        : form_(form), name_(std::move(name)), container_(container) {}

    T& operator()(int index) const {
        auto it = members_.find(index);
        // Caught where the event that asked for it entered, if it came from one.
        if (it == members_.end())
            throw std::out_of_range("no member " + std::to_string(index) + " in control array " +
                                    name_.toStdString());
        return *it->second;
    }
    bool exists(int index) const { return members_.count(index) != 0; }
    int count() const { return static_cast<int>(members_.size()); }
    std::vector<int> indices() const {
        std::vector<int> out;
        for (const auto& [index, member] : members_) out.push_back(index);
        return out;
    }

    // A member laid out at design time.
    T& add(int index) {
        auto member = std::make_unique<T>(form_, name_, index, container_);
        wire(*member, index);
        T& ref = *member;
        members_[index] = std::move(member);
        return ref;
    }

    // A run-time copy of member 0: same design, not visible, in front of the others.
    T& load(int index) {
        if (exists(index)) return (*this)(index);
        T& member = add(index);
        member.copyDesignFrom((*this)(0));
        member.setVisible(false);
        member.bringToFront();
        return member;
    }

    std::function<void(int)> Click;
    std::function<void(int, const MouseArgs&)> MouseDown;
    std::function<void(int, const MouseArgs&)> MouseMove;
    std::function<void(int, const MouseArgs&)> MouseUp;

  private:
    void wire(T& member, int index) {
        member.Click = [this, index] {
            if (Click) Click(index);
        };
        member.MouseDown = [this, index](const MouseArgs& a) {
            if (MouseDown) MouseDown(index, a);
        };
        member.MouseMove = [this, index](const MouseArgs& a) {
            if (MouseMove) MouseMove(index, a);
        };
        member.MouseUp = [this, index](const MouseArgs& a) {
            if (MouseUp) MouseUp(index, a);
        };
        member.setListenedBy([this] { return Click || MouseDown || MouseMove || MouseUp; });
        member.setClickableBy([this] { return Click || MouseDown || MouseUp; });
    }

    Form& form_;
    QString name_;
    Control* container_;
    std::map<int, std::unique_ptr<T>> members_;
};

}  // namespace ui
