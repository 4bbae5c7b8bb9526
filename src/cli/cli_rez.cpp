// vyrworld-tool rez: list, extract from, freshen and create resource archives.
#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/json_text.h"
#include "cli/progress_line.h"
#include "cli/subcommand.h"
#include "platform/date_format.h"
#include "platform/file_io.h"
#include "resources/rez_freshen.h"
#include "resources/rez_mgr.h"
#include "resources/rez_names.h"

namespace vyr::cli {

namespace {

std::string TimeText(uint32_t seconds) {
  const std::time_t t = std::time_t(seconds);
  std::tm parts {};
  gmtime_r(&t, &parts);
  return FormatTime(parts, "%Y-%m-%d %H:%M:%S");
}

// File strings are bytes: each byte above 0x7F stands for the Latin-1 character of that code.
bool Printable(std::string_view text) {
  for (unsigned char c : text) {
    if (c < 0x20 || c >= 0x7F) return false;
  }
  return true;
}

std::string TypeText(uint32_t code) {
  const std::string extension = ExtensionFromTypeCode(code);
  if (Printable(extension)) return extension;
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", code);
  return text;
}

std::string ItemFileName(const CRezItem& item) {
  return item.GetType() == 0 ? item.GetName() : item.GetName() + "." + TypeText(item.GetType());
}

void ListText(const CRezDir& dir, int depth, std::ostream& out) {
  const std::string indent(size_t(depth) * 2, ' ');
  for (CRezDir* sub : dir.SubDirs()) {
    out << indent << sub->GetName() << "/  time=" << TimeText(sub->GetTime()) << '\n';
    ListText(*sub, depth + 1, out);
  }
  for (CRezType* type : dir.Types()) {
    for (CRezItem* item : type->Items()) {
      out << indent << ItemFileName(*item) << "  id=" << item->GetId() << " type=" << TypeText(type->GetCode())
          << " size=" << item->GetSize() << " time=" << TimeText(item->GetTime()) << '\n';
    }
  }
}

void ListJson(const CRezDir& dir, std::ostream& out) {
  out << "{\"name\":" << JsonString(dir.GetName()) << ",\"path\":" << JsonString(dir.GetPath())
      << ",\"time\":" << dir.GetTime() << ",\"blockOffset\":" << dir.GetBlockOffset()
      << ",\"blockSize\":" << dir.GetBlockSize() << ",\"dirs\":[";
  bool first = true;
  for (CRezDir* sub : dir.SubDirs()) {
    if (!first) out << ',';
    first = false;
    ListJson(*sub, out);
  }
  out << "],\"items\":[";
  first = true;
  for (CRezType* type : dir.Types()) {
    for (CRezItem* item : type->Items()) {
      if (!first) out << ',';
      first = false;
      out << "{\"name\":" << JsonString(item->GetName()) << ",\"type\":" << JsonString(ExtensionFromTypeCode(type->GetCode()))
          << ",\"typeCode\":" << type->GetCode() << ",\"id\":" << item->GetId() << ",\"size\":" << item->GetSize()
          << ",\"offset\":" << item->GetDataOffset() << ",\"time\":" << item->GetTime()
          << ",\"description\":" << JsonString(item->GetDescription()) << ",\"keys\":[";
      for (size_t k = 0; k < item->GetKeys().size(); ++k) out << (k ? "," : "") << item->GetKeys()[k];
      out << "]}";
    }
  }
  out << "]}";
}

// Opens for reading and prints the damage the reader found, one warning per line.
bool OpenForReading(CRezMgr& mgr, const std::string& path, std::string& why) {
  if (!mgr.OpenArchive(path, true, &why)) return false;
  for (const std::string& problem : mgr.Problems()) std::cerr << "vyrworld-tool: warning: " << problem << '\n';
  return true;
}

std::string ProblemCount(const CRezMgr& mgr) {
  const size_t count = mgr.Problems().size();
  return std::to_string(count) + (count == 1 ? " problem" : " problems");
}

// `dirPath` empty: the root.
int RunList(const std::string& archive, const std::string& dirPath, bool json) {
  CRezMgr mgr;
  std::string why;
  if (!OpenForReading(mgr, archive, why)) return Fail(why);
  const CRezDir* dir = mgr.GetRootDir();
  if (!dirPath.empty()) {
    dir = mgr.FindDir(dirPath);
    if (dir == nullptr) return Fail("No directory '" + dirPath + "' in '" + archive + "'");
  }
  std::ostringstream out;
  if (json) {
    const RezHeader& h = mgr.Header();
    out << "{\"archive\":" << JsonString(archive) << ",\"header\":{\"version\":" << h.version
        << ",\"rootOffset\":" << h.rootOffset << ",\"rootSize\":" << h.rootSize << ",\"rootTime\":" << h.rootTime
        << ",\"dataEnd\":" << h.dataEnd << ",\"changeTime\":" << h.changeTime
        << ",\"largestKeyCount\":" << h.largestKeyCount << ",\"longestDirName\":" << h.longestDirName
        << ",\"longestItemName\":" << h.longestItemName << ",\"longestDescription\":" << h.longestDescription
        << ",\"compact\":" << (h.compact ? "true" : "false") << "},\"problems\":[";
    for (size_t i = 0; i < mgr.Problems().size(); ++i) out << (i ? "," : "") << JsonString(mgr.Problems()[i]);
    out << "],\"dir\":";
    ListJson(*dir, out);
    out << "}\n";
  } else {
    out << dir->GetPath() << "  time=" << TimeText(dir->GetTime()) << '\n';
    ListText(*dir, 1, out);
  }
  std::cout << out.str();
  if (!mgr.Problems().empty()) {
    return Fail("'" + archive + "' is damaged (" + ProblemCount(mgr) +
                " above): the listing lacks what the damaged directories held; rebuild the archive with 'rez create'");
  }
  return kExitOk;
}

int RunExtract(const std::string& archive, const std::string& itemPath, const std::string& out) {
  CRezMgr mgr;
  std::string why;
  if (!OpenForReading(mgr, archive, why)) return Fail(why);
  CRezItem* item = mgr.FindItem(itemPath);
  if (item == nullptr) {
    const std::string missing = "No item '" + itemPath + "' in '" + archive + "'";
    return Fail(mgr.Problems().empty() ? missing : missing + ", which is damaged (" + ProblemCount(mgr) + " above)");
  }
  const std::span<uint8_t> data = item->GetData();
  if (data.empty() && item->GetSize() != 0) return Fail("Cannot read item '" + itemPath + "': " + mgr.LastError());
  if (!WriteFileAtomically(out, data, why)) return Fail(why);
  return kExitOk;
}

int Report(const FreshenResult& result, ProgressLine& line) {
  line.Clear();
  for (const std::string& warning : result.warnings) std::cerr << "vyrworld-tool: warning: " << warning << '\n';
  if (!result.ok) return Fail(result.reason);
  std::cout << result.stored << '\n';
  return kExitOk;
}

// Each verb is a subcommand of its own; only one is parsed, so they share the values.
SubcommandAction DefineRez(CLI::App& app) {
  app.require_subcommand(1);
  struct Args {
    std::string archive, dir, item, out, folder;
    bool json = false;
  };
  auto args = std::make_shared<Args>();
  auto verb = [&app, &args](const char* name, const char* summary, const char* archiveHelp) {
    CLI::App* command = app.add_subcommand(name, summary);
    command->add_option("ARCHIVE", args->archive, archiveHelp)->required()->check(NotEmpty());
    return command;
  };
  auto required = [](CLI::App* command, const char* name, std::string& value, const char* help) {
    command->add_option(name, value, help)->required()->check(NotEmpty());
  };

  CLI::App* list = verb("list", "Print the tree of an archive or of one directory in it", "Archive to read");
  list->add_option("DIR", args->dir, "Directory to list instead of the root, e.g. /IMAGES");
  list->add_flag("--json", args->json, "Print JSON instead of text");
  CLI::App* extract = verb("extract", "Write one item's bytes to a file", "Archive to read");
  required(extract, "ITEMPATH", args->item, "Item to extract, e.g. /PALETTES/DEMO.PAL");
  required(extract, "OUT", args->out, "File to write (replaced atomically)");
  CLI::App* freshen = verb("freshen", "Store the files of a folder that are newer than their copies", "Archive to update");
  required(freshen, "FOLDER", args->folder, "Folder tree to take files from");
  CLI::App* create = verb("create", "Make a new archive from a folder tree", "Archive to write");
  required(create, "FOLDER", args->folder, "Folder tree to store");

  return [args, list, extract, freshen] {
    if (list->parsed()) return RunList(args->archive, args->dir, args->json);
    if (extract->parsed()) return RunExtract(args->archive, args->item, args->out);
    ProgressLine line(freshen->parsed() ? "rez freshen" : "rez create");
    int64_t examined = 0;
    FreshenOptions options;
    options.progress = [&line, &examined](const std::string&) { line.Count(++examined, "files"); };
    FreshenResult result = freshen->parsed() ? FreshenArchive(args->archive, args->folder, options)
                                             : CreateArchiveFromFolder(args->archive, args->folder, options);
    return Report(result, line);
  };
}

}  // namespace

VYR_REGISTER_SUBCOMMAND(rez, "rez",
                        "rez list ARCHIVE [DIR] [--json]\n"
                        "  vyrworld-tool rez extract ARCHIVE ITEMPATH OUT\n"
                        "  vyrworld-tool rez freshen ARCHIVE FOLDER\n"
                        "  vyrworld-tool rez create ARCHIVE FOLDER",
                        "List, extract from, freshen and create resource archives", DefineRez);

}  // namespace vyr::cli
