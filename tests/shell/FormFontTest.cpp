#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>

#include "shell/AdvancedForm.h"
#include "support/QtTestApp.h"

namespace tindle {
namespace {

TEST(FormFont, TahomaWhenInstalled) {
    EXPECT_EQ(ChooseFormFontFamily({"Arial", "tahoma", "MS Sans Serif"}, "System"), "tahoma");
}

TEST(FormFont, MsSansSerifWhenTahomaIsMissing) {
    EXPECT_EQ(ChooseFormFontFamily({"Arial", "MS SANS SERIF"}, "System"), "MS SANS SERIF");
}

TEST(FormFont, SystemFontWhenNeitherIsInstalled) {
    EXPECT_EQ(ChooseFormFontFamily({"DejaVu Sans", "Tahoma Bold Condensed"}, "DejaVu Sans"),
              "DejaVu Sans");
    EXPECT_EQ(ChooseFormFontFamily({}, "Cantarell"), "Cantarell");
}

TEST(FormFont, EveryControlOfAFormInheritsIt) {
    test::QtTestApp();
    C_TAdvancedForm<QWidget> form;
    auto* label = new QLabel("Time:", &form);
    QFont bold;
    bold.setBold(true);
    label->setFont(bold);
    EXPECT_EQ(form.font().family(), FormFont().family());
    EXPECT_EQ(form.font().pointSize(), kFormFontPointSize);
    EXPECT_EQ(label->font().family(), FormFont().family());
    EXPECT_EQ(label->font().pointSize(), kFormFontPointSize);
    EXPECT_TRUE(label->font().bold());
}

}  // namespace
}  // namespace tindle
