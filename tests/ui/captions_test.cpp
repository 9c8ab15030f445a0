// Every fixed caption of every screen shows whole in its label, in the shipped fonts; the
// few that need a smaller point size to do so are listed, and no others may need one.
#include <QSet>
#include <map>

#include "tests/monkey/monkey.h"
#include "tests/support/screentest.h"
#include "ui/label.h"

using namespace ui;

namespace {

// The captions known to need a smaller size to show whole.
const std::map<QString, QSet<QString>> kMayShrink = {
    {"boneslab", {"Shoulder Blade"}},
    {"puberty", {"Ovaries begin to release eggs once a month"}},
    // Its answer text needs two lines and a little more height than the label has.
    {"magnets2", {"There will be no force between them."}},
    // The sixth entry of the menus' column, in the column's width.
    {"intro0", {"Our Activities"}},
    {"menu1", {"Our Activities"}},
    {"menu2", {"Our Activities"}},
    {"menu3", {"Our Activities"}},
    {"menu4", {"Our Activities"}},
    {"menu5", {"Our Activities"}},
    {"ouractivities", {"Our Activities"}},
};

}  // namespace

using CaptionTest = ScreenTest;

TEST_F(CaptionTest, EveryCaptionShowsWhole) {
    for (const char* screen : monkey::kScreens) {
        forms().clear();
        if (QString(screen) != "Titlefrm") forms().show("intro0");
        Form* form = forms().show(screen);
        ASSERT_NE(form, nullptr) << screen;
        const auto shrinking = kMayShrink.find(screen);
        passTime(5);
        settle();
        for (const Control* c : form->controls()) {
            const auto* label = dynamic_cast<const Label*>(c);
            if (!label || label->Caption().trimmed().isEmpty()) continue;
            const QString where = QString("%1.%2(%3) \"%4\"")
                                      .arg(screen, label->name())
                                      .arg(label->index())
                                      .arg(label->Caption());
            EXPECT_TRUE(label->captionFitsAt(label->fittedPoints())) << where.toStdString();
            if (label->fittedPoints() < label->font().points) {
                std::printf("smaller to fit: %s at %.2f pt instead of %.2f pt\n", qPrintable(where),
                            label->fittedPoints(), label->font().points);
                EXPECT_TRUE(shrinking != kMayShrink.end() &&
                            shrinking->second.contains(label->Caption()))
                    << where.toStdString();
                EXPECT_FALSE(label->captionFitsAt(label->fittedPoints() + 0.75f))
                    << "0.75-pt steps";
            }
        }
    }
}
