// The editor on a real X server (Xvfb): every accelerator of both tables, typed with
// xdotool, reaches its command. Qt's X11 platform matches keys differently from the
// offscreen one the other tests use (the numeric keypad above all).
#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "res/resources.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

// The X keysym of an accelerator as xdotool types it ("ctrl+shift+s", "KP_Add").
std::string XdotoolKey(const res::Accelerator& accelerator) {
  using namespace res::key;
  std::string name;
  if (accelerator.modifiers & res::kControl) name += "ctrl+";
  if (accelerator.modifiers & res::kAlt) name += "alt+";
  if (accelerator.modifiers & res::kShift) name += "shift+";
  const uint16_t code = accelerator.key;
  if (code >= '0' && code <= '9') return name + char(code);
  if (code >= 'A' && code <= 'Z') return name + char(code - 'A' + 'a');
  switch (code) {
    case kBackspace: return name + "BackSpace";
    case kTab: return name + "Tab";
    case kReturn: return name + "Return";
    case kSpace: return name + "space";
    case kPageUp: return name + "Prior";
    case kPageDown: return name + "Next";
    case kEnd: return name + "End";
    case kHome: return name + "Home";
    case kLeft: return name + "Left";
    case kUp: return name + "Up";
    case kRight: return name + "Right";
    case kDown: return name + "Down";
    case kInsert: return name + "Insert";
    case kDelete: return name + "Delete";
    case kKeypadPlus: return name + "KP_Add";
    case kKeypadMinus: return name + "KP_Subtract";
    case kF1: return name + "F1";
    case kF5: return name + "F5";
    case kOemPlus: return name + "equal";
    case kOemMinus: return name + "minus";
    default: return {};
  }
}

class XServer {
 public:
  // A fresh Xvfb on a free display; Display() is empty when it did not start.
  XServer() {
    m_server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                            QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!m_server.waitForStarted(10000)) return;
    QByteArray number;
    while (!number.endsWith('\n') && m_server.waitForReadyRead(20000)) number += m_server.readAllStandardOutput();
    if (number.endsWith('\n')) m_display = ":" + number.trimmed().toStdString();
  }
  ~XServer() {
    m_server.terminate();
    m_server.waitForFinished(5000);
  }
  const std::string& Display() const { return m_display; }

 private:
  QProcess m_server;
  std::string m_display;
};

// Runs xdotool on `display`; its standard output, trimmed.
QString Xdotool(const std::string& display, const QStringList& arguments, bool* ok = nullptr) {
  QProcess xdotool;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display));
  xdotool.setProcessEnvironment(environment);
  xdotool.start(QStringLiteral("xdotool"), arguments);
  const bool done = xdotool.waitForFinished(30000) && xdotool.exitCode() == 0;
  if (ok) *ok = done;
  return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

TEST(X11Keys, EveryAcceleratorOfBothTablesReachesItsCommand) {
  for (const char* program : {"Xvfb", "xdotool"}) {
    if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
      GTEST_SKIP() << program << " is not installed (scripts/ensure-packages.sh installs it)";
  }
  test::TempFolder folder;
  ASSERT_EQ(std::system((std::string(VYR_TOOL_PATH) + " make-demo '" + folder.Path().string() + "' >/dev/null").c_str()), 0);
  XServer server;
  ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";

  // Each table's keys, the mode switch last: it takes the editor to the other table.
  QStringList keys;
  std::ostringstream expected;
  for (int table : {res::kMenuTileMode, res::kMenuObjectMode}) {
    std::string toggle;
    for (const res::Accelerator& accelerator : res::Accelerators(table)) {
      const std::string key = XdotoolKey(accelerator);
      ASSERT_FALSE(key.empty()) << "no X name for key " << accelerator.key;
      if (accelerator.id == cmd::kToggleMode) {
        toggle = key;
        continue;
      }
      keys << QString::fromStdString(key);
      expected << table << ' ' << accelerator.id << '\n';
    }
    ASSERT_FALSE(toggle.empty()) << table;
    keys << QString::fromStdString(toggle);
    expected << table << ' ' << cmd::kToggleMode << '\n';
  }

  QProcess editor;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(server.Display()));
  environment.insert(QStringLiteral("VYRWORLD_PROFILE"), QString::fromStdString(folder / "profile.ini"));
  environment.insert(QStringLiteral("VYRWORLD_KEY_TRACE"), QString::fromStdString(folder / "keys.txt"));
  editor.setProcessEnvironment(environment);
  editor.setProcessChannelMode(QProcess::MergedChannels);
  editor.start(QStringLiteral(VYR_EDITOR_PATH), {QString::fromStdString(folder / "DEMO.VWD")});
  ASSERT_TRUE(editor.waitForStarted(10000));

  // The main window once the world is open (its title names it), with the keyboard.
  bool found = false;
  const QString window = Xdotool(server.Display(),
                                 {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                  QStringLiteral("--name"), QStringLiteral("DEMO")}, &found)
                             .section(QLatin1Char('\n'), 0, 0);
  ASSERT_TRUE(found) << editor.readAll().toStdString();
  Xdotool(server.Display(), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
  bool typed = false;
  Xdotool(server.Display(), QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + keys,
          &typed);
  EXPECT_TRUE(typed);
  // "&Plik" › "Wyjści&e": the world is unchanged, so the editor quits without a question.
  Xdotool(server.Display(), {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("200"),
                             QStringLiteral("alt+p"), QStringLiteral("e")});
  const bool exited = editor.waitForFinished(60000);
  if (!exited) editor.kill();
  const std::string output = editor.readAll().toStdString();
  ASSERT_TRUE(exited) << "the editor did not quit\n" << output;
  EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit) << output;
  EXPECT_EQ(editor.exitCode(), 0) << output;  // a sanitizer report fails the exit code

  std::ifstream trace(folder / "keys.txt");
  std::ostringstream reached;
  reached << trace.rdbuf();
  EXPECT_EQ(reached.str(), expected.str()) << "lines: <table> <command>";
}

}  // namespace
}  // namespace vyr
