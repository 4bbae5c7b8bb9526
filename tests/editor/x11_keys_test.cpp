// The editor on a real X server (Xvfb), whose Qt platform matches keys unlike the offscreen
// one: every accelerator of both tables, typed with xdotool, reaches its command.
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

TEST(X11Keys, EveryAcceleratorOfBothTablesReachesItsCommand) {
  for (const char* program : {"Xvfb", "xdotool"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
      GTEST_SKIP() << program << " is not installed (scripts/ensure-packages.sh installs it)";
  test::TempFolder folder;
  ASSERT_EQ(std::system((VYR_TOOL_PATH " make-demo '" + folder.Path().string() + "' >/dev/null").c_str()), 0);
  QProcess server;  // takes a free display and writes its number
  server.start(QStringLiteral("Xvfb"), QStringLiteral("-displayfd 1 -screen 0 1280x1024x24 -nolisten tcp").split(' '));
  QByteArray number;
  while (!number.endsWith('\n') && server.waitForReadyRead(20000)) number += server.readAllStandardOutput();
  ASSERT_TRUE(number.endsWith('\n')) << "Xvfb did not start";
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(number.trimmed()));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment.insert(QStringLiteral("VYRWORLD_PROFILE"), QString::fromStdString(folder / "profile.ini"));
  environment.insert(QStringLiteral("VYRWORLD_KEY_TRACE"), QString::fromStdString(folder / "keys.txt"));
  auto xdotool = [&](const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  };
  // Each table's keys, the mode switch last: it takes the editor to the other table. Then
  // "&Plik" › "Wyjści&e" quits without a question, the world being unchanged.
  QStringList keys = QStringLiteral("key --delay 30").split(' ');
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
  editor.setProcessEnvironment(environment);
  editor.setProcessChannelMode(QProcess::ForwardedChannels);  // a sanitizer's report shows, and fails the exit
  editor.start(QStringLiteral(VYR_EDITOR_PATH), {QString::fromStdString(folder / "DEMO.VWD")});
  // The main window once the world is open (its title names it) gets the keyboard.
  ASSERT_TRUE(xdotool(QStringLiteral("search --sync --onlyvisible --name DEMO windowfocus --sync").split(' ')));
  EXPECT_TRUE(xdotool(keys + QStringLiteral("key --delay 200 alt+p e").split(' ')));
  EXPECT_TRUE(editor.waitForFinished(60000) && editor.exitStatus() == QProcess::NormalExit && editor.exitCode() == 0);
  server.terminate();
  server.waitForFinished(5000);
  std::ostringstream reached;
  reached << std::ifstream(folder / "keys.txt").rdbuf();
  EXPECT_EQ(reached.str(), expected.str()) << "lines: <table> <command>";
}

}  // namespace
}  // namespace vyr
