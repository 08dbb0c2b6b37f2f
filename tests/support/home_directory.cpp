// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/home_directory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace tessaly {
namespace {

constexpr char kHomeFileName[] = "tessaly2.ini";

QString Local(const std::string& path) {
  return QString::fromStdString(path);
}

}  // namespace

HomeDirectory::HomeDirectory() {
  if (!temporary_.isValid()) {
    throw std::runtime_error("cannot create a temporary directory: " +
                             temporary_.errorString().toStdString());
  }
  const QString home = temporary_.filePath("config");
  if (!QDir().mkpath(home)) throw std::runtime_error("cannot create " + home.toStdString());
  path_ = home.toStdString();
}

std::string HomeDirectory::WriteHomeFile(const std::string& bytes) const {
  QFile file(Local(path_) + "/" + kHomeFileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return "cannot write " + file.fileName().toStdString() + ": " +
           file.errorString().toStdString();
  }
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.flush()) {
    return "cannot write " + file.fileName().toStdString();
  }
  return {};
}

std::string HomeDirectory::RemoveHomeFile() const {
  QFile file(Local(path_) + "/" + kHomeFileName);
  if (file.exists() && !file.remove()) return "cannot remove " + file.fileName().toStdString();
  return {};
}

std::string HomeDirectory::MakeUnwritable() const {
  const QString home = Local(path_);
  if (QFileInfo(home).isDir() && !QDir(home).removeRecursively()) {
    return "cannot remove " + path_;
  }
  QFile blocker(home);
  if (!blocker.open(QIODevice::WriteOnly)) return "cannot create the file " + path_;
  return {};
}

std::optional<std::string> HomeDirectory::ReadHomeFile() const {
  QFile file(Local(path_) + "/" + kHomeFileName);
  if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll().toStdString();
}

std::string HomeDirectory::OtherEntries() const {
  const QString home = Local(path_);
  if (!QFileInfo(home).isDir()) return {};
  std::string others;
  for (const QString& name : QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                  QDir::Hidden | QDir::System)) {
    if (name == kHomeFileName) continue;
    others += (others.empty() ? "" : ", ") + name.toStdString();
  }
  return others;
}

}  // namespace tessaly
