// Starting the game for a test run: the world's game path as a program, its arguments and
// working directory, and the user's approval of each game path before it first runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

class CWorldDoc;
class IProcessLauncher;
class Profile;

// Words separated by blanks or tabs; double quotes group blanks into a word and are
// dropped, an unterminated quote runs to the end; backslashes are plain characters.
std::vector<std::string> SplitCommandLine(std::string_view line);

struct GameLaunch {
  std::string program;  // absolute
  std::vector<std::string> arguments;
  std::string workingDirectory;  // absolute: the program's own folder
};

// The folder a relative game program belongs to: the world file's (the one being opened,
// else the document's), or empty for a world never saved.
std::string GameFolder(const CWorldDoc& doc);

// What a game path starts, with "X:x" and "Y:y" appended when a position is given. A
// relative program is taken against `worldFolder` (the current folder when empty). None
// when nothing is to be started: a path shorter than two characters, or a program whose
// only '/' or '\' is its first character, or that has none.
std::optional<GameLaunch> PlanGameLaunch(const std::string& gamePath, std::optional<std::pair<int32_t, int32_t>> at,
                                         const std::string& worldFolder = {});

// The question asked before a game path first runs: program, each argument and working
// directory, control bytes written as \xNN.
std::string GameApprovalQuestion(const GameLaunch& launch);

// Approval belongs to what runs: the resolved program with its arguments, so the same
// text in another world's folder, or a changed argument, is asked about again.
bool IsGamePathApproved(const Profile& profile, const std::string& gamePath, const std::string& worldFolder);
void ApproveGamePath(Profile& profile, const std::string& gamePath, const std::string& worldFolder);

// "Test" and Ctrl+Alt+L: starts the document's game path (at the mouse's world pixel with
// `atMouse` and a view). A modified world is offered a save first (Cancel starts nothing);
// a path never approved is asked about. Never waits. A start that fails beeps and says why.
void StartGame(CWorldDoc& doc, IProcessLauncher& launcher, bool atMouse);

}  // namespace vyr
