#include "editor/parameter_file_io.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

std::string Line(const std::string& param_no = "1", const std::string& aux1 = "0") {
  return param_no + ",NAME,12000,2,1,RANGE,0,10001,0,257," + aux1 +
         ",0,0,0,0,NULL,NULL,NULL,10,0\r\n";
}

// The result goes into ParameterList and RecordCount; a failure is shown,
// counts nothing, and replaces the list only with what was read.
TEST(ReadParameterFileTest, IntoTheEditorState) {
  test::TempFolder folder;
  std::string most = Line("1", std::string(1 << 20, 'x'));  // a long line
  for (int i = 1; i < INT16_MAX; ++i) most += Line();
  const struct {
    const char* what;
    std::string path;
    Status status;
    int16_t count;
    std::size_t list_size;
    std::size_t probe;  // index of the record whose ParamNo is checked
    const char* param_no;
  } cases[] = {
      {"export file", std::string(PFEDIT_TEST_DATA_DIR) + "/paramfile/export.vf_", 0, 3, 3, 2,
       "2902"},
      {"empty file", folder.Write("empty.vfd", ""), 0, 0, 2, 0, "old"},
      {"rule failure keeps the rejected record", folder.Write("r.vfd", Line() + Line("2000")),
       msg::kFormatDiffers, 0, 2, 1, "2000"},
      {"missing file", folder.File("missing.vfd"), msg::kReadFailed, 0, 2, 0, "old"},
      {"as many records as a count holds", folder.Write("most.vfd", most), 0, INT16_MAX, INT16_MAX,
       1, "1"},
      {"one more", folder.Write("more.vfd", most + Line()), msg::kReadFailed, 0, INT16_MAX + 1u, 0,
       "1"},
  };
  for (const auto& c : cases) {
    test::ScriptedDesktop desktop;
    if (c.status != kStatusOk) desktop.ExpectMessage(c.status);
    EditorState state;
    state.Buffer.ParameterList.resize(2);
    state.Buffer.ParameterList[0].ParamNo = "old";
    state.Buffer.RecordCount = 2;
    EXPECT_EQ(ReadParameterFile(state, desktop, c.path), c.status) << c.what;
    EXPECT_EQ(state.Buffer.RecordCount, c.count) << c.what;
    ASSERT_EQ(state.Buffer.ParameterList.size(), c.list_size) << c.what;
    EXPECT_EQ(state.Buffer.ParameterList[c.probe].ParamNo, c.param_no) << c.what;
    for (const MessageBox& box : desktop.boxes) EXPECT_EQ(box.icon, Icon::kExclamation);
  }
}

}  // namespace
}  // namespace pfedit
