// Names of the files that sit beside a macro library. A side file must never
// be the library itself, whatever the library is called.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// The library's name with a final ".ORN" (any case) replaced by ".OVC" or
// ".OVS"; a library named otherwise gets the extension appended.
std::string CategoryFileName(std::string_view library);
std::string RemapFileName(std::string_view library);

// The library's name with its last three characters replaced by "MAS"; where
// that would be the library's own name, "MAS" is appended after a dot.
std::string SyncFileName(std::string_view library);

// True when path names the library or one of its side files, there or not
// yet: both taken as full paths from the current folder and compared without
// regard to case or to the kind of separator, by the files' identity where
// they exist, and otherwise by the name within the folder's identity, so that
// no other name of them (relative, another drive mapping, a short name, a
// link) passes.
bool IsLibraryOrSideFile(std::string_view path, std::string_view library);

}  // namespace orv
