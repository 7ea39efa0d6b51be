#pragma once

// Catalogues and locales for the model dialogs' tests, and the check that a dialog closed
// without OK left the editor state as it found it.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/editor_state.h"
#include "core/value_tables.h"
#include "support/state_dump.h"

namespace pfedit::models::test {

inline ModelRecord Model(std::string name, std::string code5, std::string param_file,
                         std::initializer_list<const char*> capacities = {"0.4", "55"}) {
  ModelRecord model;
  model.ModelName = std::move(name);
  model.ModelCode1 = "0x05000000";
  model.ModelCode2 = "0x00010000";
  model.ModelCode5 = std::move(code5);
  model.ParamFile = std::move(param_file);
  model.Capacity.assign(capacities.begin(), capacities.end());
  model.CapacityClass = CapacityClassOf(model.Capacity);
  return model;
}

// Decimal separators of the user's locale, for the rated capacity dialog.
inline int16_t PointLocale(std::string& separator) {
  separator = ".";
  return 0;
}
inline int16_t CommaLocale(std::string& separator) {
  separator = ",";
  return 0;
}

// The same model under another identity.
inline ModelRecord WithCode1(ModelRecord model, std::string code1) {
  model.ModelCode1 = std::move(code1);
  return model;
}

using pfedit::test::ExpectStateUnchanged;

}  // namespace pfedit::models::test
