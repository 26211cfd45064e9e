// Entry point of the browser tests: one QApplication on the offscreen
// platform, with the web engine's sandbox off when running as root.
#include <gtest/gtest.h>

#include <QApplication>

#include "browser/BrowserPage.h"
#include "ui/SealedWeb.h"

int main(int argc, char** argv) {
  browser::PrepareEnvironment();
  // The control run of the sealed-view test starts its engine without the seal.
  if (qEnvironmentVariableIsSet("VB_SEAL_CONTROL"))
    sealed::RegisterScheme();
  else
    sealed::PrepareProcess();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
