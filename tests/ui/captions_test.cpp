// Every fixed caption of every screen shows whole in its label, in the shipped fonts; the
// few that need a smaller point size to do so are listed, and no others may need one.
#include <QSet>

#include "tests/support/screentest.h"
#include "ui/label.h"

using namespace ui;

namespace {

struct ScreenCaptions {
    const char* screen;
    QSet<QString> mayShrink;  // captions known to need a smaller size
};

const ScreenCaptions kScreens[] = {
    {"Titlefrm", {}},
    {"intro0", {}},
    {"menu1", {}},
    {"menu2", {}},
    {"menu3", {}},
    {"menu4", {}},
    {"menu5", {}},
    {"boneslab", {"Shoulder Blade"}},
    {"puberty", {"Ovaries begin to release eggs once a month"}},
    {"healthy", {}},
    {"scramble", {}},
    {"magnets", {}},
    // Its answer text needs two lines and a little more height than the label has.
    {"magnets2", {"There will be no force between them."}},
    {"circuits", {}},
    {"repro", {}},
    {"notepad", {}},
};

}  // namespace

using CaptionTest = ScreenTest;

TEST_F(CaptionTest, EveryCaptionShowsWhole) {
    for (const ScreenCaptions& s : kScreens) {
        forms().clear();
        if (QString(s.screen) != "Titlefrm") forms().show("intro0");
        Form* form = forms().show(s.screen);
        ASSERT_NE(form, nullptr) << s.screen;
        settle();
        for (const Control* c : form->controls()) {
            const auto* label = dynamic_cast<const Label*>(c);
            if (!label || label->Caption().trimmed().isEmpty()) continue;
            const QString where = QString("%1.%2(%3) \"%4\"")
                                      .arg(s.screen, label->name())
                                      .arg(label->index())
                                      .arg(label->Caption());
            EXPECT_TRUE(label->captionFitsAt(label->fittedPoints())) << where.toStdString();
            if (label->fittedPoints() < label->font().points) {
                std::printf("smaller to fit: %s at %.2f pt instead of %.2f pt\n", qPrintable(where),
                            label->fittedPoints(), label->font().points);
                EXPECT_TRUE(s.mayShrink.contains(label->Caption())) << where.toStdString();
            }
        }
    }
}
