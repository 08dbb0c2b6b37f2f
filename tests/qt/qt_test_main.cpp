// Runs the Qt tests headless, on the offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir runtime_dir;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    QFile::setPermissions(runtime_dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime_dir.path().toLocal8Bit());
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Tessaly");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
