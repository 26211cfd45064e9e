// The small widgets the pages are built from: the colour button and the
// integer edit with arrows.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

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
