#include "platform/program_dir.h"

#include <cstdlib>

#include "platform/file_bytes.h"
#include "platform/file_lookup.h"

namespace tavrin::platform {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> nonEmpty(const EnvironmentLookup& environment, std::string_view name) {
  std::optional<std::string> value = environment(name);
  if (value && value->empty()) value.reset();
  return value;
}

void seedFile(ProgramDirectory& result, const fs::path& source, const fs::path& relative) {
  if (findExistingPath(result.directory, relative)) return;
  const fs::path target = resolvePath(result.directory, relative);
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  if (ec) {
    result.problems.push_back("cannot create " + target.parent_path().string() + ": " +
                              ec.message());
    return;
  }
  const FileBytes bytes = readFileBytes(source);
  if (!bytes.ok()) {
    result.problems.push_back(bytes.error);
    return;
  }
  // Written beside and renamed, so that an interrupted first start leaves no half file that
  // later starts would then never replace.
  const IoStatus written = replaceFileContents(target, bytes.bytes);
  if (!written.ok()) {
    result.problems.push_back(written.error);
    return;
  }
  result.seeded.push_back(relative);
}

void seed(ProgramDirectory& result) {
  std::error_code ec;
  if (!fs::is_directory(result.dataDirectory, ec)) {
    result.problems.push_back("no data folder at " + result.dataDirectory.string());
    return;
  }
  fs::recursive_directory_iterator it(result.dataDirectory, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code statusError;
    if (!it->is_regular_file(statusError)) continue;
    seedFile(result, it->path(), it->path().lexically_relative(result.dataDirectory));
  }
  if (ec)
    result.problems.push_back("cannot list " + result.dataDirectory.string() + ": " + ec.message());
}

}  // namespace

EnvironmentLookup processEnvironment() {
  return [](std::string_view name) -> std::optional<std::string> {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  };
}

ProgramDirSources systemProgramDirSources() {
  std::error_code ec;
  fs::path executable = fs::read_symlink("/proc/self/exe", ec);
  if (ec) executable.clear();
  return {processEnvironment(), std::move(executable), fs::path(TAVRIN_SOURCE_DATA_DIR)};
}

std::optional<fs::path> programDirectoryPath(const EnvironmentLookup& environment) {
  if (auto home = nonEmpty(environment, "TAVRIN_HOME")) return fs::path(*home);
  if (auto config = nonEmpty(environment, "XDG_CONFIG_HOME");
      config && fs::path(*config).is_absolute())
    return fs::path(*config) / "tavrin";
  if (auto home = nonEmpty(environment, "HOME")) return fs::path(*home) / ".config" / "tavrin";
  return std::nullopt;
}

fs::path dataDirectoryPath(const ProgramDirSources& sources) {
  if (auto data = nonEmpty(sources.environment, "TAVRIN_DATA_DIR")) return fs::path(*data);
  if (!sources.executable.empty()) {
    const fs::path installed =
        sources.executable.parent_path().parent_path() / "share" / "tavrin" / "data";
    std::error_code ec;
    if (fs::is_directory(installed, ec)) return installed;
  }
  return sources.builtInDataDir;
}

ProgramDirectory prepareProgramDirectory(const ProgramDirSources& sources) {
  ProgramDirectory result;
  const auto directory = programDirectoryPath(sources.environment);
  if (!directory) {
    result.error = "no program directory: none of TAVRIN_HOME, XDG_CONFIG_HOME and HOME is set";
    return result;
  }
  result.directory = *directory;
  result.dataDirectory = dataDirectoryPath(sources);

  std::error_code ec;
  fs::create_directories(result.directory, ec);
  if (ec || !fs::is_directory(result.directory, ec)) {
    result.error = "cannot create the program directory " + result.directory.string() +
                   (ec ? ": " + ec.message() : ": a file of that name is in the way");
    return result;
  }
  seed(result);
  return result;
}

}  // namespace tavrin::platform
