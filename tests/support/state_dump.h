#pragma once

// The check that a command or dialog which gave up left the whole editor
// state, catalogue and edit buffer included, as it found it.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/editor_state.h"

namespace pfedit::test {

// Every scalar of the state on one line, so that a difference reads at once.
inline std::string ScalarDump(const EditorState& s) {
  std::ostringstream out;
  out << s.EditFolder << '|' << s.CatalogueFolder << '|' << s.FileDialogFolder << '|' << s.EditMode
      << '|' << s.ParametersDirty << s.ModelInfoDirty << s.ModelInfoAccepted << s.ImportedData
      << '|' << s.SelectedModelName << '|' << s.SelectedModelCode1 << '|' << s.SelectedModelCode2
      << '|' << s.SelectedModelCode5 << '|' << s.SelectedCapacityClass << '|' << s.EditCapacityClass
      << '|' << s.HelpFilePath << '|' << s.ListPosition << '|' << s.EditModelType << '|'
      << s.CapacityDialogMode << '|' << s.CapacityDialogRow << '|' << s.Buffer.RecordCount;
  return out.str();
}

inline void ExpectStateUnchanged(const EditorState& before, const EditorState& after,
                                 const std::string& where) {
  EXPECT_EQ(ScalarDump(after), ScalarDump(before)) << where;
  EXPECT_TRUE(after.Catalogue == before.Catalogue) << where;
  EXPECT_TRUE(after.Buffer.EditModel == before.Buffer.EditModel) << where;
  EXPECT_TRUE(after.Buffer.ModelInfoDraft == before.Buffer.ModelInfoDraft) << where;
  EXPECT_TRUE(after.Buffer.ParameterList == before.Buffer.ParameterList) << where;
}

}  // namespace pfedit::test
