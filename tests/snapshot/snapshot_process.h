#pragma once
// tarrawin-snapshot run as its own process in an empty working folder, with
// an empty home folder and no display or platform named, as on a server;
// and every file it leaves there.

#include <gtest/gtest.h>
#include <QDirIterator>
#include <QProcess>
#include <filesystem>
#include <string>

#include "tests/support/record_text.h"

namespace helvarra::test {

struct Outcome {
  int status = -1;
  std::string out, err;
};

class SnapshotProcess {
 public:
  explicit SnapshotProcess(const TempDir& dir) : work(dir / "work"), home(dir / "home") {
    std::filesystem::create_directory(work);
    std::filesystem::create_directory(home);
  }

  Outcome Snap(const QStringList& args) const {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    env.insert("HOME", QString::fromStdString(home.string()));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(QString::fromStdString(work.string()));
    p.start(HELVARRA_SNAPSHOT, args);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
  }
  QString Out(const std::string& name = "out.png") const { return QString::fromStdString((work / name).string()); }

  // Every file under the working and home folders.
  QStringList Written() const {
    QStringList files;
    for (const auto& base : {work, home}) {
      QDirIterator it(QString::fromStdString(base.string()), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
      while (it.hasNext()) files << it.next();
    }
    return files;
  }

  std::filesystem::path work, home;
};

}  // namespace helvarra::test
