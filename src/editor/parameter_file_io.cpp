#include "editor/parameter_file_io.h"

#include <cstdint>
#include <utility>

#include "paramfile/parameter_file.h"

namespace pfedit {

Status ReadParameterFile(EditorState& state, Desktop& desktop, const std::string& path,
                         FileSystem& files) {
  ParameterReadResult result = ReadParameterFileAt(path, files);
  state.ParameterFileAsRead = result.fingerprint;
  EditBuffer& buffer = state.Buffer;
  buffer.RecordCount = 0;
  if (!result.records.empty()) buffer.ParameterList = std::move(result.records);
  // RecordCount is a 16-bit count; a file with more records cannot be held.
  if (result.status == kStatusOk && result.records_read > static_cast<std::size_t>(INT16_MAX)) {
    result.status = msg::kReadFailed;
  }
  if (result.status != kStatusOk) {
    ShowError(desktop, result.status);
    return result.status;
  }
  buffer.RecordCount = static_cast<int16_t>(result.records_read);
  return kStatusOk;
}

}  // namespace pfedit
