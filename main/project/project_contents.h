// The files a project consists of, found in its directory.
//
// Contents
//   ProjectFileKind, ProjectFileEntry, ProjectContents
//   isBlockFileName          "PB001.AWL", "pb1.awl": a file that names a block
//   listProjectContents      every file of a project, by kind
//   ProjectBlockSources, projectBlockSources   a project's block files, for the command line
//
// A project is one directory. Its files are the project file; its block files (".AWL" files
// whose name is a block name, OB, PB, SB, FB, FX, DB or DX with a number 0..255); its symbol
// file (the file "SymbolikDatei" names, when it lies in the directory); the status-variable
// lists (".LST") and special-FB lists (".FB") kept there; the logs that the analysis functions
// write there ("querverw.txt", "querverw.bak", "Vergl.txt", "Vergl.bak", "umverdr.txt",
// "FEHLER.TXT") and the reference file of a block transfer ("referenz.s5d"). Names compare
// without regard to case. Everything else in the directory (other projects' files, documents
// the user keeps there, subdirectories) is not the project's.
//
// A directory can hold more than one project file. Then the other files serve every project
// of the directory, and only the project file itself is the one project's own.
#ifndef MAIN_PROJECT_PROJECT_CONTENTS_H
#define MAIN_PROJECT_PROJECT_CONTENTS_H

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "main/project/project_file.h"

namespace tavrin::project {

enum class ProjectFileKind : std::uint8_t {
  ProjectFile,
  BlockFile,
  SymbolFile,
  StatusVariableList,
  SpecialFbList,
  AnalysisLog,
  TransferReference,
};

struct ProjectFileEntry {
  std::filesystem::path path;
  ProjectFileKind kind;
  bool operator==(const ProjectFileEntry&) const = default;
};

struct ProjectContents {
  std::filesystem::path directory;
  std::filesystem::path projectFile;
  // The project file first, then the others sorted by name.
  std::vector<ProjectFileEntry> files;
  // Other project files of the same directory: when there are any, every file but the
  // project file serves them too.
  std::vector<std::filesystem::path> otherProjectFiles;
  std::vector<ProjectFileEntry> ofKind(ProjectFileKind kind) const;
};

bool isBlockFileName(const std::filesystem::path& fileName);

// The contents of the project whose file is `projectFile` (an existing file). `symbolFile` is
// the project's symbol file when it has one.
ProjectContents listProjectContents(const std::filesystem::path& projectFile,
                                    const std::optional<std::filesystem::path>& symbolFile);

enum class ProjectSourcesProblem : std::uint8_t {
  None,
  NotAProjectFile,  // the name does not end in ".PRJ"
  Missing,          // no such file
  NotAProject,      // it cannot be read, or holds none of the keys opening a project reads
  Unreadable,       // its directory cannot be listed
};

struct ProjectBlockSources {
  std::filesystem::path projectFile;  // as found on disk
  std::filesystem::path directory;    // the project directory
  // One file per block, in block-name order ("DB001" before "FB001" before "OB001"); when two
  // files name the same block ("PB1.AWL" and "PB001.AWL") the one with the block's own file
  // name counts.
  std::vector<std::filesystem::path> blockFiles;
  // The symbol file the blocks are written with, as opening the project finds it.
  ProjectSymbolSettings symbols;
  ProjectSourcesProblem problem = ProjectSourcesProblem::None;
  bool ok() const { return problem == ProjectSourcesProblem::None; }
};

// The block files of the project `projectFile` names, for `tavrin-cli compile FILE.PRJ` and
// `tavrin-cli run FILE.PRJ`: every block of the project at once. The project file is found
// whatever the case of its name; a file that opening would refuse as no project gives no
// blocks.
ProjectBlockSources projectBlockSources(const std::filesystem::path& projectFile);

}  // namespace tavrin::project

#endif
