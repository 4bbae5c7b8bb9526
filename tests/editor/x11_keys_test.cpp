// The editor on a real X server (Xvfb): every accelerator of both tables, typed with
// xdotool, reaches its command. Qt's X11 platform matches keys unlike the offscreen one.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "commands/help_text.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

// The accelerator as xdotool names it ("ctrl+shift+s", "KP_Add"), from the help's name.
QString XKey(const res::Accelerator& accelerator) {
  static const std::map<std::string, std::string> kNames = {
      {"Num +", "KP_Add"}, {"Num -", "KP_Subtract"}, {"PgUp", "Prior"},   {"PgDn", "Next"},   {"Del", "Delete"},
      {"Ins", "Insert"},   {"Enter", "Return"},      {"Space", "space"},  {"=", "equal"},     {"-", "minus"},
      {"Backspace", "BackSpace"}};
  std::string key = KeyName(res::Accelerator{accelerator.key, 0, 0});
  if (key.size() == 1) key[0] = char(std::tolower(key[0]));
  if (auto found = kNames.find(key); found != kNames.end()) key = found->second;
  for (auto [bit, name] : {std::pair{res::kShift, "shift+"}, {res::kAlt, "alt+"}, {res::kControl, "ctrl+"}})
    if (accelerator.modifiers & bit) key = name + key;
  return QString::fromStdString(key);
}

// Runs xdotool on `display`; true when it exits with 0 within a minute.
bool Xdotool(QProcess& process, const QStringList& arguments, const QString& display) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), display);
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral("xdotool"), arguments);
  return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

TEST(X11Keys, EveryAcceleratorOfBothTablesReachesItsCommand) {
  for (const char* program : {"Xvfb", "xdotool"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
      GTEST_SKIP() << program << " is not installed (scripts/ensure-packages.sh installs it)";
  test::TempFolder folder;
  const std::string demo = std::string(VYR_TOOL_PATH) + " make-demo '" + folder.Path().string() + "' >/dev/null";
  ASSERT_EQ(std::system(demo.c_str()), 0);
  // Xvfb picks a free display and writes its number.
  QProcess server;
  server.start(QStringLiteral("Xvfb"), QStringLiteral("-displayfd 1 -screen 0 1280x1024x24 -nolisten tcp").split(' '));
  QByteArray number;
  while (!number.endsWith('\n') && server.waitForReadyRead(20000)) number += server.readAllStandardOutput();
  ASSERT_TRUE(number.endsWith('\n')) << "Xvfb did not start";
  const QString display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());

  // Each table's keys, the mode switch last: it takes the editor to the other table.
  QStringList keys{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")};
  std::ostringstream expected;
  for (int table : {res::kMenuTileMode, res::kMenuObjectMode}) {
    std::vector<res::Accelerator> order(res::Accelerators(table).begin(), res::Accelerators(table).end());
    std::stable_partition(order.begin(), order.end(), [](auto& a) { return a.id != cmd::kToggleMode; });
    for (const res::Accelerator& accelerator : order) {
      keys << XKey(accelerator);
      expected << table << ' ' << accelerator.id << '\n';
    }
  }
  QProcess editor;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment.insert(QStringLiteral("DISPLAY"), display);
  environment.insert(QStringLiteral("VYRWORLD_PROFILE"), QString::fromStdString(folder / "profile.ini"));
  environment.insert(QStringLiteral("VYRWORLD_KEY_TRACE"), QString::fromStdString(folder / "keys.txt"));
  editor.setProcessEnvironment(environment);
  editor.setProcessChannelMode(QProcess::MergedChannels);
  editor.start(QStringLiteral(VYR_EDITOR_PATH), {QString::fromStdString(folder / "DEMO.VWD")});

  // The main window once the world is open (its title names it) gets the keyboard; then
  // "&Plik" › "Wyjści&e" quits without a question, the world being unchanged.
  QProcess search, focus, type, quit;
  ASSERT_TRUE(Xdotool(search, QStringLiteral("search --sync --onlyvisible --name DEMO").split(' '), display));
  const QString window = QString::fromLatin1(search.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
  EXPECT_TRUE(Xdotool(focus, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}, display));
  EXPECT_TRUE(Xdotool(type, keys, display));
  EXPECT_TRUE(Xdotool(quit, QStringLiteral("key --delay 200 alt+p e").split(' '), display));
  const bool exited = editor.waitForFinished(60000);
  if (!exited) editor.kill();
  const std::string output = editor.readAll().toStdString();
  // A sanitizer's report makes the exit abnormal or not 0.
  EXPECT_TRUE(exited && editor.exitStatus() == QProcess::NormalExit && editor.exitCode() == 0) << output;
  server.terminate();
  server.waitForFinished(5000);

  std::ostringstream reached;
  reached << std::ifstream(folder / "keys.txt").rdbuf();
  EXPECT_EQ(reached.str(), expected.str()) << "lines: <table> <command>";
}

}  // namespace
}  // namespace vyr
