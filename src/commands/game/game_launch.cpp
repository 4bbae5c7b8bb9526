// The game path split into program, arguments and folder, the approval question and the start.
#include "commands/game/game_launch.h"

#include <filesystem>

#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/path_name.h"
#include "platform/process_launcher.h"
#include "platform/profile.h"
#include "platform/profile_keys.h"
#include "platform/windows1250.h"
#include "res/messages.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

// A relative path is the world's neighbour, as its archive is.
std::string Absolute(const std::string& path, const std::string& worldFolder) {
  std::filesystem::path resolved(path);
  if (resolved.is_relative() && !worldFolder.empty()) resolved = std::filesystem::path(worldFolder) / resolved;
  std::error_code error;
  const std::filesystem::path made = std::filesystem::absolute(resolved, error);
  std::string absolute = error ? resolved.string() : made.lexically_normal().string();
  if (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();  // "/w/." is the folder /w
  return absolute;
}

void AppendHex(std::string& text, uint8_t byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  text += kHex[byte >> 4];
  text += kHex[byte & 15];
}

// The bytes as the dialogs show them, control characters as \xNN.
std::string Shown(const std::string& bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<uint8_t>(c);
    const char16_t character = Windows1250Char(byte);
    if (character < 0x20 || (character >= 0x7f && character < 0xa0)) {
      text += "\\x";
      AppendHex(text, byte);
    } else {
      text += Windows1250ToUtf8(std::string_view(&c, 1));
    }
  }
  return text;
}

// Profile keys drop blanks, fold case and cannot hold '=' or '['; hexadecimal keeps every
// byte. The program and each argument end in a zero byte, which none of them holds.
std::string ApprovalKey(const GameLaunch& launch) {
  std::string key;
  auto add = [&key](const std::string& word) {
    for (const char c : word) AppendHex(key, static_cast<uint8_t>(c));
    AppendHex(key, 0);
  };
  add(launch.program);
  for (const std::string& argument : launch.arguments) add(argument);
  return key;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::string GameFolder(const CWorldDoc& doc) {
  const std::string& path = doc.OpeningPathName().empty() ? doc.GetPathName() : doc.OpeningPathName();
  return path.empty() ? std::string() : FolderOf(path);
}

std::optional<GameLaunch> PlanGameLaunch(const std::string& gamePath, std::optional<std::pair<int32_t, int32_t>> at,
                                         const std::string& worldFolder) {
  if (gamePath.size() < 2) return std::nullopt;
  std::vector<std::string> words = SplitCommandLine(gamePath);
  if (words.empty()) return std::nullopt;
  const std::string& program = words.front();
  const size_t separator = program.find_last_of("/\\");
  if (separator == std::string::npos || separator == 0) return std::nullopt;

  GameLaunch launch;
  launch.program = Absolute(program, worldFolder);
  launch.workingDirectory = Absolute(program.substr(0, separator), worldFolder);
  launch.arguments.assign(words.begin() + 1, words.end());
  if (at) {
    launch.arguments.push_back("X:" + std::to_string(at->first));
    launch.arguments.push_back("Y:" + std::to_string(at->second));
  }
  return launch;
}

std::string GameApprovalQuestion(const GameLaunch& launch) {
  std::string arguments;
  for (size_t i = 0; i < launch.arguments.size(); ++i)
    arguments += FormatMessage(res::text::kGameArgument, {int(i + 1), Shown(launch.arguments[i])});
  return FormatMessage(res::text::kGameApproval,
                       {Shown(launch.program), arguments, Shown(launch.workingDirectory)});
}

bool IsGamePathApproved(const Profile& profile, const std::string& gamePath, const std::string& worldFolder) {
  const std::optional<GameLaunch> launch = PlanGameLaunch(gamePath, std::nullopt, worldFolder);
  return launch && profile.GetProfileInt(profile::kApprovedGames, ApprovalKey(*launch), 0) == 1;
}

void ApproveGamePath(Profile& profile, const std::string& gamePath, const std::string& worldFolder) {
  if (const std::optional<GameLaunch> launch = PlanGameLaunch(gamePath, std::nullopt, worldFolder))
    profile.WriteProfileInt(profile::kApprovedGames, ApprovalKey(*launch), 1);
}

void StartGame(CWorldDoc& doc, IProcessLauncher& launcher, bool atMouse) {
  std::optional<std::pair<int32_t, int32_t>> at;
  int32_t x = 0;
  int32_t y = 0;
  // Where the mouse was when asked, not where a question leaves it.
  if (atMouse && doc.ViewPort() && doc.ViewPort()->MouseWorldPixel(x, y)) at = std::pair{x, y};
  if (!PlanGameLaunch(doc.Properties().gamePath, at, GameFolder(doc))) return;

  IInteractionPort& port = doc.Interaction();
  if (doc.IsModified()) {
    const Answer answer = port.ShowMessage(res::text::kSaveBeforeTest, MessageIcon::Question,
                                           MessageButtons::YesNoCancel);
    if (answer == Answer::Cancel || (answer == Answer::Yes && !doc.DoFileSave())) return;
  }
  // A save under a new name moves the folder a relative program belongs to.
  const std::string gamePath = doc.Properties().gamePath;
  const std::string folder = GameFolder(doc);
  const std::optional<GameLaunch> launch = PlanGameLaunch(gamePath, at, folder);
  if (!launch) return;
  Profile* profile = doc.GetProfile();
  if (!profile || !IsGamePathApproved(*profile, gamePath, folder)) {
    if (port.ShowMessage(GameApprovalQuestion(*launch), MessageIcon::Warning, MessageButtons::YesNoDefaultNo) !=
        Answer::Yes)
      return;
    if (profile) ApproveGamePath(*profile, gamePath, folder);
  }
  std::string error;
  if (!launcher.StartDetached(launch->program, launch->arguments, launch->workingDirectory, error)) {
    port.Beep();
    port.Message(FormatMessage(res::text::kGameStartFailed, {Shown(launch->program), error}), MessageIcon::Error);
  }
}

}  // namespace vyr
