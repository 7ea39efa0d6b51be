#pragma once

// Generated edit folders for benchmarks and load tests: a catalogue with many
// models and one large parameter file per model and capacity class, made by
// the editor's own writers and valid under its reader rules. The output
// depends only on the two sizes, so every run gives the same bytes.

#include <string>
#include <vector>

namespace pfedit::gendata {

constexpr int kDefaultModels = 256;
constexpr int kDefaultRows = 2000;
constexpr int kMaxGeneratedModels = 9000;
constexpr int kMaxGeneratedRows = 32767;

// The text of tarvo_param.vfd with `models` sections [Model_1] ...
std::string CatalogueText(int models);

// The parameter files of model `model_index` (0-based): the small-capacity
// file named by its ParamFile and, when the model has large capacities, the
// same name with "l" before its last 8 characters. A model of both classes
// has both files; every model has at least one.
std::vector<std::string> ParameterFileNames(int model_index);

// The text of one parameter file of model `model_index` with `rows` records.
std::string ParameterFileText(int model_index, int rows);

// Writes the catalogue and every parameter file into `folder`, creating the
// folder when it is missing. Sizes outside 1..kMaxGeneratedModels and
// 1..kMaxGeneratedRows, and any file that cannot be written, give false.
bool WriteSampleFolder(const std::string& folder, int models, int rows);

}  // namespace pfedit::gendata
