#include "main/cli/project_symbols.h"

#include "platform/cp1252.h"

namespace tavrin::cli {

ProjectSymbols::~ProjectSymbols() {
  if (!selected_) return;
  file_.select("");
  file_.release();
}

bool ProjectSymbols::load(const project::ProjectSymbolSettings& settings, std::string_view command,
                          std::ostream& err) {
  if (!settings.showSymbols || !settings.file) return true;
  file_.select(settings.file->string());
  selected_ = true;
  const project::SymbolLoad load = file_.load();
  if (!load.error.empty())
    err << command << ": " << settings.file->string() << ": " << platform::cp1252ToUtf8(load.error)
        << '\n';
  if (!load.loaded) return false;
  lines_.emplace(settings.showSymbols, settings.autoComment, settings.replaceOldComment);
  return true;
}

}  // namespace tavrin::cli
