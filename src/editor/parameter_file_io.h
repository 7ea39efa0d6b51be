#pragma once

// A parameter file as the editor reads it: into ParameterList and
// RecordCount, with the failure shown. The format itself is in src/paramfile.

#include <string>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"
#include "core/message_ids.h"

namespace pfedit {

// Reads the file into ParameterList and RecordCount and returns the status.
// On failure shows msg::kFormatDiffers or msg::kReadFailed; RecordCount is
// then 0 and ParameterList holds the records read so far, including a
// rejected one. ParameterList is only replaced when at least one record was
// read.
Status ReadParameterFile(EditorState& state, Desktop& desktop, const std::string& path,
                         FileSystem& files = RealFileSystem());

}  // namespace pfedit
