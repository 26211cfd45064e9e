// The small widgets the pages are built from: the colour button and the
// integer edit with arrows.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "OutlineFixture.h"
#include "support/TestPlatform.h"
#include "ui/ColorButton.h"
#include "ui/IntSpinEdit.h"

TEST(ColorButtonTest, ConvertsTheEnginesRedFirstColours) {
  const QColor c = ColorButton::ToQColor(0x00563412);
  EXPECT_EQ(c.red(), 0x12);
  EXPECT_EQ(c.green(), 0x34);
  EXPECT_EQ(c.blue(), 0x56);
  EXPECT_EQ(ColorButton::FromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
  EXPECT_EQ(ColorButton::FromQColor(Qt::red), 0x0000FFu);
}

TEST(ColorButtonTest, ReportsOnlyChosenChanges) {
  ColorButton button;
  QSignalSpy spy(&button, &ColorButton::changed);
  button.setColor(0xFF00FF00);  // the high byte is not part of a colour
  EXPECT_EQ(button.color(), 0x00FF00u);
  EXPECT_EQ(spy.count(), 0);
  button.choose(0x00FF00);
  EXPECT_EQ(spy.count(), 0);
  button.choose(0x0000FF);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.at(0).at(0).value<uint32_t>(), 0x0000FFu);
}

TEST(ColorButtonTest, APaletteSwatchPicksItsColour) {
  ColorButton button;
  button.setColor(0);
  button.show();
  QSignalSpy spy(&button, &ColorButton::changed);
  button.menu()->popup(button.mapToGlobal(QPoint(0, button.height())));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(button.menu()));
  QList<QToolButton*> swatches = button.menu()->findChildren<QToolButton*>();
  ASSERT_EQ(swatches.size(), 40);
  QTest::mouseClick(swatches.at(8), Qt::LeftButton);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(button.color(), ColorButton::kPalette[8]);
  EXPECT_FALSE(button.menu()->isVisible());
}

TEST(ColorButtonTest, TheFieldTakesHexAndNamesAndRefusesTheRest) {
  struct Case {
    const char* typed;
    bool taken;
    uint32_t color;  // red in the lowest byte
  };
  const Case cases[] = {
      {"#8B4513", true, 0x13458B},
      {"8B4513", true, 0x13458B},
      {"#a0522d", true, 0x2D52A0},
      {" a0522d ", true, 0x2D52A0},
      {"sienna", true, 0x2D52A0},
      {"SaddleBrown", true, 0x13458B},
      {"WHITE", true, 0xFFFFFF},
      {"#8B451", false, 0},
      {"8B45133", false, 0},
      {"#GGGGGG", false, 0},
      {"notacolour", false, 0},
      {"transparent", false, 0},
      {"", false, 0},
      {"#8B4513;", false, 0},
      {"rgb(1,2,3)", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ColorButton button;
    button.setColor(0x010101);
    button.show();
    QSignalSpy spy(&button, &ColorButton::changed);
    button.menu()->popup(button.mapToGlobal(QPoint(0, button.height())));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(button.menu()));
    auto* field = button.menu()->findChild<QLineEdit*>(QStringLiteral("colorField"));
    ASSERT_TRUE(field);
    QTest::keyClicks(field, QString::fromLatin1(c.typed));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(spy.count(), c.taken ? 1 : 0);
    EXPECT_EQ(button.color(), c.taken ? c.color : 0x010101u);
    EXPECT_EQ(button.menu()->isVisible(), !c.taken);
    button.menu()->close();
  }
}

// At most eight recent colours, most recent first, kept for the next pop-up.
TEST(ColorButtonTest, RecentColoursOutliveThePopUp) {
  TestPlatform platform;
  const auto open = [&platform](ColorButton& button) {
    button.setRecentStore(&platform);
    button.show();
    button.menu()->popup(button.mapToGlobal(QPoint(0, button.height())));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(button.menu()));
    return button.menu()->findChild<QWidget*>(QStringLiteral("recentColors"));
  };
  {
    ColorButton first;
    for (uint32_t c = 1; c <= 9; ++c) {
      open(first);
      auto* field = first.menu()->findChild<QLineEdit*>(QStringLiteral("colorField"));
      QTest::keyClicks(field, ColorButton::ToQColor(c).name());
      QTest::keyClick(field, Qt::Key_Return);
    }
    // Picked again, a colour moves to the front rather than appearing twice.
    QTest::mouseClick(open(first)->findChildren<QToolButton*>().at(3), Qt::LeftButton);
    EXPECT_EQ(first.color(), 6u);
  }
  EXPECT_EQ(platform.profile["Settings/RecentColors"],
            "060000,090000,080000,070000,050000,040000,030000,020000");
  ColorButton second;
  QList<uint32_t> shown;
  for (QToolButton* swatch : open(second)->findChildren<QToolButton*>())
    shown << ColorButton::FromQColor(QColor::fromString(swatch->toolTip()));
  EXPECT_EQ(shown, (QList<uint32_t>{6, 9, 8, 7, 5, 4, 3, 2}));
}

// In a page: a typed colour reaches the project, and the next colour pop-up
// offers it among the project's colours and the recent ones.
TEST_F(OutlineTest, ATypedColourIsOfferedAgainOnTheNextPage) {
  const auto popup = [this](int state) {
    Click(Item(0, state));
    auto* page = qobject_cast<KesView*>(props->currentPage());
    auto* button = page ? qobject_cast<ColorButton*>(page->control(3001)) : nullptr;
    if (!button) return static_cast<ColorButton*>(nullptr);
    button->menu()->popup(button->mapToGlobal(QPoint(0, button->height())));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(button->menu()));
    return button;
  };
  const auto swatches = [](ColorButton* button, const char* row) {
    QList<uint32_t> colors;
    for (QToolButton* swatch :
         button->menu()->findChild<QWidget*>(QLatin1String(row))->findChildren<QToolButton*>())
      colors << ColorButton::FromQColor(QColor::fromString(swatch->toolTip()));
    return colors;
  };
  ColorButton* up = popup(0);
  ASSERT_TRUE(up);
  EXPECT_FALSE(swatches(up, "projectColors").contains(0x2D52A0u));
  QTest::keyClicks(up->menu()->findChild<QLineEdit*>(QStringLiteral("colorField")), "a0522d");
  QTest::keyClick(up->menu()->findChild<QLineEdit*>(QStringLiteral("colorField")), Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitFor([this] { return Button(0)->upState->color == 0x2D52A0u; }));
  ColorButton* over = popup(1);
  ASSERT_TRUE(over);
  EXPECT_TRUE(swatches(over, "projectColors").contains(0x2D52A0u));
  EXPECT_EQ(swatches(over, "recentColors"), QList<uint32_t>{0x2D52A0u});
}

TEST(IntSpinEditTest, KeepsWhatIsTypedAndStepsWithinItsRange) {
  IntSpinEdit edit;
  edit.setRange(-1000, 1000);
  edit.show();
  QLineEdit* line = edit.findChild<QLineEdit*>();
  line->selectAll();
  QTest::keyClicks(line, "12a");
  EXPECT_EQ(edit.text(), "12a");
  edit.setValue(999);
  edit.stepBy(5);
  EXPECT_EQ(edit.text(), "1000");
  edit.setText("5000");  // outside the range: kept, and the arrows bring it back
  edit.stepBy(-1);
  EXPECT_EQ(edit.text(), "1000");
  edit.setText("junk");
  edit.stepBy(1);
  EXPECT_EQ(edit.text(), "1");
}
