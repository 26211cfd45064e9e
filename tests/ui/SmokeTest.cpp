#include <gtest/gtest.h>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "support/TestPlatform.h"
#include "ui/KesWndProperties.h"
#include "ui/PageRegistry.h"
#include "ui/ViewOutline.h"

TEST(OutlineSmoke, ShowsProjectAndButton) {
  TestPlatform platform;
  KesApp app(platform);
  Doc doc(app);
  app.setCurrentDoc(&doc);
  doc.OnNewDocument();
  PageRegistry pages;
  KesWndProperties props(app, doc, pages);
  ViewOutline tree(app, doc, props);
  ASSERT_EQ(tree.model()->rowCount(), 1);
  EXPECT_EQ(tree.model()->rowCount(tree.model()->index(0, 0)), 1);
}
