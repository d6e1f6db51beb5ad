// The lines of a text file as this system reads them.
//
// Contents
//   splitTextLines   the lines of a file's bytes, without their line ends
#ifndef MAIN_PROJECT_TEXT_LINES_H
#define MAIN_PROJECT_TEXT_LINES_H

#include <string>
#include <string_view>
#include <vector>

namespace tavrin::project {

// Lines end in LF or CR LF; a last line without a line end counts, an LF at the very end
// starts no further line. A line is taken up to its first NUL byte, as the C strings of the
// lines were. Lines keep their full length: cutting is the reader's business.
std::vector<std::string> splitTextLines(std::string_view bytes);

}  // namespace tavrin::project

#endif
