#pragma once

// The model the model information dialog's logic and view tests open: four
// currents, special name A, three option slots and ratings of both classes.

#include "core/records.h"

namespace pfedit::models::test {

inline ModelRecord FourCurrentModel() {
  ModelRecord m;
  m.ModelName = "QX-M520-A";
  m.ModelCode1 = "0x07000000";
  m.ModelCode2 = "0x00010000";
  m.ModelCode5 = "0x80410000";
  m.ComResource = "110";
  m.ParamFile = "qx_m520_a01-a.vfd";
  m.Capacity = {"0.4", "1.5", "75"};
  m.Current01 = {"2.5", "8", "150"};
  m.Current02 = {"2.4", "7", "140"};
  m.Current03 = {"2.3", "6", "130"};
  m.Current04 = {"2.2", "5", "120"};
  m.TypeName = {"0.4K", "1.5K", "75K"};
  m.OptionXX = {"QX-K9PL", "QX-K9NC", "X"};
  m.Option01 = {"X"};
  m.Option02 = {"QX-K9PL", "X"};
  m.Option03 = {"QX-K9NC"};
  m.OptionSlotCnt = "3";
  m.CapacityClass = kClassSmall;
  return m;
}

}  // namespace pfedit::models::test
